#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "study/question.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::TempFolder;

class QuestionTest : public ::testing::Test {
 protected:
  // Loads a book of n entries "<prefix>00", "<prefix>01", ….
  void Fill(CWordTable& table, int n, const std::string& prefix) {
    const std::string path = dir.File(prefix + ".txt");
    test::WriteBytes(path, test::MakeBook(n, prefix).Text());
    table.LoadFile(path);
    ASSERT_EQ(table.GetCount(), n);
  }
  void SetUp() override {
    Fill(book, 10, "c");
    Fill(distractors, 100, "d");
    rng.Seed(1);
  }
  std::string NextAsked() { return BuildQuestion(rng, options, book, distractors).Asked().word; }

  TempFolder dir;
  CWordTable book, distractors;
  RandomGenerator rng;
  StudyOptions options;
};

TEST_F(QuestionTest, DrawsAskedEntryThenDistractorsThenSlot) {
  // Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724.
  Question q = BuildQuestion(rng, options, book, distractors);
  EXPECT_EQ(q.correctSlot, 15724 % 4);
  EXPECT_EQ(options.correctSlot, q.correctSlot);
  EXPECT_EQ(q.choices[0].word, "c01");  // 41 % 10, in the right slot 0
  EXPECT_EQ(q.choices[0].meaning, "c01 的意思");
  EXPECT_EQ(q.choices[1].word, "d34");  // 6334 % 100
  EXPECT_EQ(q.choices[2].word, "d00");   // 26500 % 100
  EXPECT_EQ(q.choices[3].word, "d69");  // 19169 % 100
  EXPECT_EQ(rng.Next(), 11478);         // nothing else was drawn
}

TEST_F(QuestionTest, RandomRangeIncludesBothEndsAndIndexNAsksEntryZero) {
  Fill(book, 5, "c");
  options.rangeFirst = 3;
  options.rangeLast = 5;  // one past the last entry
  std::map<std::string, int> seen;
  for (int i = 0; i < 3000; ++i) ++seen[NextAsked()];
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_GT(seen["c03"], 800);
  EXPECT_GT(seen["c04"], 800);
  EXPECT_GT(seen["c00"], 800);  // drawn as index 5
}

TEST_F(QuestionTest, WholeBookRangeAsksEntryZeroTwiceAsOften) {
  Fill(book, 4, "c");
  options.rangeLast = 4;
  std::map<std::string, int> seen;
  for (int i = 0; i < 10000; ++i) ++seen[NextAsked()];
  EXPECT_NEAR(seen["c00"], 4000, 300);
  EXPECT_NEAR(seen["c03"], 2000, 250);
}

TEST_F(QuestionTest, RandomWithoutRangeCoversTheWholeBook) {
  options.rangeFirst = 7;  // ignored without a range
  std::set<std::string> seen;
  for (int i = 0; i < 500; ++i) seen.insert(NextAsked());
  EXPECT_EQ(seen.size(), 10u);
}

TEST_F(QuestionTest, OneEntryRangeAlwaysAsksThatEntry) {
  options.rangeFirst = options.rangeLast = 2;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(NextAsked(), "c02");
  options.rangeFirst = options.rangeLast = 10;  // not below the count
  for (int i = 0; i < 5; ++i) EXPECT_EQ(NextAsked(), "c00");
}

TEST_F(QuestionTest, BookOrderWrapsBeforeTheEndOfTheRange) {
  Fill(book, 30, "c");
  options.sequentialTest = 1;
  options.rangeFirst = 10;
  options.rangeLast = 20;
  std::string order;
  for (int i = 0; i < 13; ++i) order += NextAsked() + " ";
  EXPECT_EQ(order, "c10 c11 c12 c13 c14 c15 c16 c17 c18 c19 c10 c11 c12 ");
  EXPECT_EQ(options.testCursor, 3);
  // The whole book: 0 .. n-1, then 0 again.
  options.rangeFirst = 0;
  options.rangeLast = 30;
  options.testCursor = 0;
  for (int i = 0; i < 30; ++i) EXPECT_EQ(NextAsked(), book.GetEntry(i).word);
  EXPECT_EQ(NextAsked(), "c00");
  EXPECT_EQ(NextAsked(), "c01");
}

TEST_F(QuestionTest, BookOrderWithoutRangeStaysOnTheFirstPosition) {
  options.sequentialTest = 1;
  options.rangeFirst = 3;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(NextAsked(), "c03");
}

TEST_F(QuestionTest, DistractorsArePairwiseDifferentFromFourEntriesOn) {
  for (int m : {4, 5}) {
    Fill(distractors, m, "d");
    for (int i = 0; i < 500; ++i) {
      Question q = BuildQuestion(rng, options, book, distractors);
      std::set<std::string> others;
      for (int s = 0; s < 4; ++s)
        if (s != q.correctSlot) others.insert(q.choices[s].word);
      EXPECT_EQ(others.size(), 3u) << "m=" << m;
    }
  }
}

TEST_F(QuestionTest, TinyDistractorBooksRepeatTheirEntries) {
  Fill(distractors, 1, "d");
  Question q = BuildQuestion(rng, options, book, distractors);
  for (int s = 0; s < 4; ++s)
    EXPECT_EQ(q.choices[s].word, s == q.correctSlot ? q.Asked().word : "d00");
  Fill(distractors, 2, "d");
  bool repeated = false;
  for (int i = 0; i < 50; ++i) {
    q = BuildQuestion(rng, options, book, distractors);
    std::set<std::string> others;
    for (int s = 0; s < 4; ++s)
      if (s != q.correctSlot) others.insert(q.choices[s].word);
    repeated = repeated || others.size() < 3;
  }
  EXPECT_TRUE(repeated);
}

TEST_F(QuestionTest, RightSlotIsUniform) {
  std::map<int, int> slots;
  for (int i = 0; i < 40000; ++i)
    ++slots[BuildQuestion(rng, options, book, distractors).correctSlot];
  ASSERT_EQ(slots.size(), 4u);
  for (const auto& [slot, n] : slots) EXPECT_NEAR(n, 10000, 600) << "slot " << slot;
}

}  // namespace
}  // namespace vodari
