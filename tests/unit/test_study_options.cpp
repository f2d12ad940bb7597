#include <gtest/gtest.h>

#include "study/study_options.h"

namespace vodari {
namespace {

TEST(RangeUpkeep, RangeIsClampedToTheLoadedBook) {
  struct Case {
    int first, last, count, wantFirst, wantLast;
  };
  for (const Case& c :
       {Case{100, 300, 50, 0, 50}, Case{100, 300, 500, 100, 300}, Case{300, 500, 200, 0, 200},
        Case{300, 500, 300, 300, 300}, Case{100, 300, 200, 100, 200}, Case{0, 0, 10, 0, 0}}) {
    StudyOptions o;
    o.rangeFirst = c.first;
    o.rangeLast = c.last;
    ClampRangeToBook(o, c.count);
    EXPECT_EQ(o.rangeFirst, c.wantFirst) << c.first << ".." << c.last << " in " << c.count;
    EXPECT_EQ(o.rangeLast, c.wantLast) << c.first << ".." << c.last << " in " << c.count;
    // The invariant the question choice relies on.
    if (o.rangeLast != 0) {
      EXPECT_LE(o.rangeFirst, o.rangeLast);
    }
  }
}

}  // namespace
}  // namespace vodari
