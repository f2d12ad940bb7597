#include "study/study_options.h"

#include <utility>

namespace vodari {

void OrderEnteredRange(int& first, int& last) {
  if (first > last) std::swap(first, last);
}

void FitRangeToBook(StudyOptions& options, int previousCount, int count) {
  if (options.rangeFirst == 0 && options.rangeLast != 0 && options.rangeLast == previousCount) {
    options.rangeLast = count;
    return;
  }
  if (count < options.rangeLast) options.rangeLast = count;
  if (options.rangeFirst > count) options.rangeFirst = 0;
}

}  // namespace vodari
