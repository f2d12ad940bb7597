#include "study/question.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "study/study_options.h"
#include "temp_folder.h"

namespace vodari {
namespace {

TEST(RandomGenerator, FollowsTheClassicSequence) {
  RandomGenerator rng;
  rng.Seed(1);
  for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
    EXPECT_EQ(rng.Next(), expected);
}

TEST(RangeUpkeep, RangeIsClampedToTheLoadedBook) {
  const struct {
    int first, last, count, wantFirst, wantLast;
  } cases[] = {{100, 300, 50, 0, 50},      {100, 300, 500, 100, 300}, {300, 500, 300, 300, 300},
               {100, 300, 200, 100, 200}, {0, 0, 10, 0, 0}};
  for (const auto& c : cases) {
    StudyOptions o;
    o.rangeFirst = c.first;
    o.rangeLast = c.last;
    ClampRangeToBook(o, c.count);
    EXPECT_EQ(std::pair(o.rangeFirst, o.rangeLast), std::pair(c.wantFirst, c.wantLast))
        << c.first << ".." << c.last << " in " << c.count;
  }
}

class QuestionTest : public ::testing::Test {
 protected:
  // Loads a book of n entries "<prefix>00", "<prefix>01", ….
  void Fill(CWordTable& table, int n, const std::string& prefix) {
    test::WriteBook(dir.File(prefix + ".txt"), n, prefix);
    table.LoadFile(dir.File(prefix + ".txt"));
  }
  void SetUp() override {
    Fill(book, 10, "c");
    Fill(distractors, 100, "d");
    rng.Seed(1);
  }
  Question Next() { return BuildQuestion(rng, options, book, distractors); }
  // How often each word is asked in n questions.
  std::map<std::string, int> Asked(int n) {
    std::map<std::string, int> seen;
    for (int i = 0; i < n; ++i) ++seen[Next().Asked().word];
    return seen;
  }

  test::TempFolder dir;
  CWordTable book, distractors;
  RandomGenerator rng;
  StudyOptions options;
};

TEST_F(QuestionTest, DrawsAskedEntryThenDistractorsThenSlot) {
  // Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724, then 11478, 29358,
  // 26962, 24464, 5705, 28145: the asked entry (% 10), four distractors
  // (% 100), then the right slot (% 4), where the asked entry goes.
  const std::pair<int, std::string> expected[] = {{0, "c01 d34 d00 d69"}, {1, "d58 c08 d64 d05"}};
  for (const auto& [slot, words] : expected) {
    const Question q = Next();
    std::string shown;
    for (const WordEntry& choice : q.choices) shown += (shown.empty() ? "" : " ") + choice.word;
    EXPECT_EQ(shown, words);
    EXPECT_EQ(q.correctSlot, slot);
    EXPECT_EQ(options.correctSlot, slot);
  }
  EXPECT_EQ(rng.Next(), 23281);  // nothing else was drawn
}

TEST_F(QuestionTest, RandomRangeIncludesBothEndsAndIndexNAsksEntryZero) {
  Fill(book, 5, "c");
  options.rangeFirst = 3;
  options.rangeLast = 5;  // one past the last entry
  const std::map<std::string, int> seen = Asked(600);
  EXPECT_EQ(seen.size(), 3u);
  for (const auto& [word, n] : seen) EXPECT_GT(n, 150) << word;
  EXPECT_EQ(seen.count("c00"), 1u);  // drawn as index 5

  options.rangeLast = 0;  // no range: the whole book, the first position ignored
  EXPECT_EQ(Asked(200).size(), 5u);
}

TEST_F(QuestionTest, BookOrderWrapsBeforeTheEndOfTheRange) {
  Fill(book, 30, "c");
  options.sequentialTest = 1;
  options.rangeFirst = 10;
  options.rangeLast = 20;
  std::string order;
  for (int i = 0; i < 13; ++i) order += Next().Asked().word + " ";
  EXPECT_EQ(order, "c10 c11 c12 c13 c14 c15 c16 c17 c18 c19 c10 c11 c12 ");
  EXPECT_EQ(options.testCursor, 3);
  options.rangeLast = 0;  // without a range it stays on the first position
  EXPECT_EQ(Asked(4), (std::map<std::string, int>{{"c10", 4}}));
}

TEST_F(QuestionTest, DistractorsDifferFromFourEntriesOnAndRepeatBelow) {
  for (int m : {1, 4}) {
    Fill(distractors, m, "d");
    for (int i = 0; i < 200; ++i) {
      const Question q = Next();
      std::set<std::string> others;
      for (int s = 0; s < 4; ++s)
        if (s != q.correctSlot) others.insert(q.choices[s].word);
      EXPECT_EQ(others.size(), m == 1 ? 1u : 3u) << "m=" << m;
    }
  }
}

}  // namespace
}  // namespace vodari
