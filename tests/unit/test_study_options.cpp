#include <gtest/gtest.h>

#include "study/study_options.h"

namespace vodari {
namespace {

TEST(StudyOptions, StartsFromTheDefaults) {
  StudyOptions o;
  EXPECT_EQ(o.bookPath, "books\\单词本18.txt");
  EXPECT_EQ(o.rangeFirst, 0);
  EXPECT_EQ(o.rangeLast, 0);
  EXPECT_EQ(o.reciteIntervalSeconds, 5);
  EXPECT_TRUE(o.recordMissedWords);
  EXPECT_FALSE(o.popupOnWrong);
  EXPECT_FALSE(o.resetPreviousChoice);
  EXPECT_FALSE(o.sequentialTest);
  EXPECT_FALSE(o.recordRecitedWords);
  EXPECT_TRUE(o.sequentialRecite);
  EXPECT_FALSE(o.pronounceWords);
  EXPECT_FALSE(o.screenCapture);
  EXPECT_TRUE(o.playAnswerSounds);
  EXPECT_FALSE(o.testRunning);
  EXPECT_EQ(o.chosenSlot, 4);
  EXPECT_EQ(o.testRight + o.testWrong + o.totalRight + o.totalWrong + o.testsFinished, 0);
  EXPECT_EQ(o.testCursor + o.reciteCursor, 0);
  EXPECT_FALSE(o.reciting);
  EXPECT_TRUE(o.mainWindowShown);
}

TEST(RangeUpkeep, EnteredRangeIsPutInOrder) {
  int first = 300, last = 100;
  OrderEnteredRange(first, last);
  EXPECT_EQ(first, 100);
  EXPECT_EQ(last, 300);
  first = 7, last = 7;
  OrderEnteredRange(first, last);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(last, 7);
}

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
