#include "study/study_options.h"

#include <utility>

namespace vodari {

void OrderEnteredRange(int& first, int& last) {
  if (first > last) std::swap(first, last);
}

void ClampRangeToBook(StudyOptions& options, int count) {
  if (count < options.rangeLast) options.rangeLast = count;
  if (options.rangeFirst > count) options.rangeFirst = 0;
}

}  // namespace vodari
