#include "study/recitation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "recording_view.h"
#include "study/vocabulary_test.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using Events = std::vector<std::string>;

class RecitationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book = test::WriteBook(kDistractorBookPath, 3, "w", "GRE词汇");
    test::WriteBytes(kRecitedWordsBookPath, "曾经背记过的单词\r\n");
    ASSERT_TRUE(state.Initialise(1));
    state.currentBook.LoadFile(Options().bookPath);
    view.events.clear();
  }
  StudyOptions& Options() { return state.options; }
  // The strip texts shown by `ticks` ticks.
  Events Ticks(int ticks) {
    view.events.clear();
    for (int i = 0; i < ticks; ++i) recitation.ReciteTick();
    return view.Starting("strip:");
  }
  std::string Label(int number, int index) {
    const std::string& word = book.words[index];
    return "strip:No." + std::to_string(number) + " :  " + word + "    " + book.meanings[word];
  }

  test::TempFolder folder{true};
  test::RecordingView view;
  StudyState state{view};
  Recitation recitation{state, view};
  test::FixtureBook book;
};

TEST_F(RecitationTest, StartAndStopDoEveryStepInOrder) {
  test::WriteBytes("books\\empty.txt", "空\r\n");
  Options().bookPath = "books\\empty.txt";
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events, Events{"msg:你所选单词本中没有单词"});
  EXPECT_FALSE(Options().reciting);

  Options().bookPath = kDistractorBookPath;
  Options().recordRecitedWords = 1;
  view.events.clear();
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events,
            (Events{"timer:5", "caption:结束", "settings-buttons:off", "topmost",
                    "strip:open,record-off", "to-tray",
                    "strip:进入单词背记状态. (注意: 主窗口已经最小化到系统托盘)"}));
  EXPECT_TRUE(Options().reciting);
  EXPECT_FALSE(Options().mainWindowShown);

  recitation.ReciteTick();
  view.events.clear();
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events, (Events{"strip:close", "caption:开始", "main-window:shown", "not-topmost",
                                 "settings-buttons:on", "timer:off"}));
  EXPECT_FALSE(Options().reciting);
  EXPECT_TRUE(Options().mainWindowShown);
  EXPECT_EQ(Options().reciteCursor, 0);  // the next start begins again at the range's start
}

TEST_F(RecitationTest, BookOrderNumbersFromTwoRandomOrderKeepsOne) {
  EXPECT_EQ(Ticks(4), (Events{Label(2, 0), Label(3, 1), Label(4, 2), Label(2, 0)}));
  Options().sequentialRecite = 0;
  Options().reciteCursor = 0;
  const Events shown = Ticks(30);
  EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()),
            (std::set<std::string>{Label(1, 0), Label(1, 1), Label(1, 2)}));
}

TEST_F(RecitationTest, RecordsAndSpeaksWhatTheOptionsSay) {
  recitation.ReciteTick();  // recording off
  EXPECT_EQ(test::ReadBytes(kRecitedWordsBookPath), "曾经背记过的单词\r\n");
  Options().recordRecitedWords = 1;
  Options().pronounceWords = 1;
  view.events.clear();
  recitation.ReciteTick();
  const std::string& word = book.words[1];
  EXPECT_EQ(view.events, (Events{"speak:" + word + "意思是" + book.meanings[word], Label(3, 1)}));
  // The record button adds the shown word again, whatever the option.
  Options().recordRecitedWords = 0;
  recitation.RecordShownWord();
  const std::string record = "@" + word + "\r\n" + book.meanings[word] + "\r\n";
  EXPECT_EQ(test::ReadBytes(kRecitedWordsBookPath), "曾经背记过的单词\r\n" + record + record);
}

TEST_F(RecitationTest, TickDuringATestReplacesTheQuestionTheTestRecords) {
  test::WriteBytes(kMissedWordsBookPath, "");
  VocabularyTest test(state, view);
  test.StartTest();
  recitation.ReciteTick();
  const std::string recited = Options().questionWord;
  test.ChooseAnswer((Options().correctSlot + 1) % 4);  // wrong
  EXPECT_EQ(test::ReadBytes(kMissedWordsBookPath).rfind("@" + recited + "\r\n", 0), 0u);
}

TEST_F(RecitationTest, SpeedChangesReArmTheTimerOnlyWhileReciting) {
  recitation.SetReciteInterval(9);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(Options().reciteIntervalSeconds, 9);
  recitation.ToggleRecitation();
  view.events.clear();
  recitation.SetReciteInterval(1);
  EXPECT_EQ(view.events, Events{"timer:1"});
}

}  // namespace
}  // namespace vodari
