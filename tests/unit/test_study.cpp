// The study engine through its views: start-up, the vocabulary test and
// recitation on one shared state.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "recording_view.h"
#include "study/recitation.h"
#include "study/vocabulary_test.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::RecordingView;
using Events = std::vector<std::string>;

const std::string kMissedTitleOnly = "重点单词记录\r\n";
const std::string kRecitedTitleOnly = "曾经背记过的单词\r\n";

class StudyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book = test::WriteBook(kDistractorBookPath, 40, "d", "GRE词汇");
    test::WriteBytes(kMissedWordsBookPath, kMissedTitleOnly);
    test::WriteBytes(kRecitedWordsBookPath, kRecitedTitleOnly);
    ASSERT_TRUE(state.Initialise(1));
    state.currentBook.LoadFile(kDistractorBookPath);
    view.events.clear();
  }
  StudyOptions& Options() { return state.options; }
  // Answers with slot `offset` after the right one and returns what was shown.
  Events Answer(int offset) {
    view.events.clear();
    test.ChooseAnswer((Options().correctSlot + offset) % 4);
    return view.events;
  }
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
  RecordingView view;
  StudyState state{view};
  VocabularyTest test{state, view};
  Recitation recitation{state, view};
  test::FixtureBook book;
};

TEST(StudyStateStartUp, EmptyDistractorBookRefusesToStart) {
  test::TempFolder folder(true);
  test::WriteBytes(kDistractorBookPath, "GRE词汇\r\n");
  RecordingView view;
  StudyState state(view);
  EXPECT_FALSE(state.Initialise(1));
  EXPECT_EQ(view.events, Events{"msg:不能初始化单词表\n请检查\"单词本18.txt\"是否为空"});
  EXPECT_FALSE(test::FileExists(kMissedWordsBookPath));  // history books not opened
}

TEST_F(StudyTest, WholeTestFromStartToEnd) {
  EXPECT_EQ(Options().rangeLast, 40);  // start-up: the range is the distractor book
  test.StartTest();
  EXPECT_EQ(view.events, (Events{"feedback:", "title:GRE词汇", "question:" + Options().questionWord}));
  EXPECT_EQ(view.shownMeanings[Options().correctSlot], Options().questionMeaning);

  EXPECT_EQ(Answer(0), (Events{"feedback:对了, 再接再励!~", "sound:sound\\right.wav", "counts:1/0",
                               "question:" + Options().questionWord}));

  // Every option of a wrong answer on, in the order they act.
  Options().popupOnWrong = Options().pronounceWords = Options().resetPreviousChoice = 1;
  const std::string word = Options().questionWord;
  const std::string meaning = Options().questionMeaning;
  const int chosen = (Options().correctSlot + 1) % 4;
  const Events shown = Answer(1);
  EXPECT_EQ(shown, (Events{"feedback:错了, 继续努力!~, 正确的意思是:\n" + word + "     \n" + meaning,
                           "popup:答错了!", "sound:sound\\wrong.wav", "counts:1/1",
                           "question:" + Options().questionWord, "speak:" + Options().questionWord,
                           "uncheck:" + std::to_string(chosen)}));
  const std::string missed = kMissedTitleOnly + "@" + word + "\r\n" + meaning + "\r\n";
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), missed);

  // And every one off: no popup, record, sound, speech or uncheck.
  Options().popupOnWrong = Options().pronounceWords = Options().resetPreviousChoice = 0;
  Options().recordMissedWords = Options().playAnswerSounds = 0;
  EXPECT_EQ(Answer(2).size(), 3u);  // feedback, counts, question
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), missed);

  view.events.clear();
  test.EndTest();
  EXPECT_EQ(view.events, (Events{"msg:正确: 1        错误: 2\n正确率: 33.00%\n 得  分: 33",
                                 "feedback:要想重新开始, 请再按下＂开始＂按扭", "counts:0/0",
                                 "clear"}));
  EXPECT_FALSE(Options().testRunning);
  EXPECT_EQ(Options().questionMeaning, "");
  EXPECT_FALSE(Options().questionWord.empty());  // the word stays

  // The run summary counts the answers of every test, ended or not, and
  // turns above 75%; its sound plays regardless of the option.
  test.StartTest();
  for (int i = 0; i < 5; ++i) Answer(0);
  view.events.clear();
  test.ShowRunSummary();
  EXPECT_EQ(view.events,
            (Events{"msg:这次你一共进行的1轮学习，共做了8道题\n正确:6\n错误:2\n正确率为:75.00%",
                    "sound:sound\\failed.wav"}));
  Answer(0);
  view.events.clear();
  test.ShowRunSummary();
  EXPECT_EQ(view.events.back(), "sound:sound\\success.wav");
}

TEST_F(StudyTest, RefusalsChangeNothing) {
  test.ShowRunSummary();  // no answer yet: no summary
  test.ChooseAnswer(0);   // before any test
  test.EndTest();
  EXPECT_EQ(Options().chosenSlot, 4);
  test.StartTest();
  test.StartTest();
  test.EndTest();  // no answer yet: the test goes on
  EXPECT_EQ(view.Starting("msg:"),
            (Events{"msg:你还没有开始呢, 首先要按下开始按扭", "msg:你已经开始测验了",
                    "msg:你至少应该做一题吧?!\n         不许偷懒哦!"}));
  EXPECT_TRUE(Options().testRunning);

  test::WriteBytes("books\\empty.txt", "");
  Options().bookPath = "books\\empty.txt";
  Options().testRunning = false;
  view.events.clear();
  test.StartTest();
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events,
            (Events{"feedback:", "msg:你所选单词本中没有单词", "msg:你所选单词本中没有单词"}));
  EXPECT_FALSE(Options().testRunning);
  EXPECT_FALSE(Options().reciting);
}

TEST_F(StudyTest, ChosenBookStartsANewTestKeepingTheCounts) {
  test::WriteBook("books\\单词本13.txt", 30, "g", "GMAT词汇");
  Options().rangeFirst = 35;
  test.StartTest();
  Answer(0);
  test.ChooseBook("books\\单词本5.txt");  // missing: created empty and refused
  EXPECT_EQ(view.Starting("msg:"), Events{"msg:你所选的单词本中没有单词"});
  EXPECT_EQ(Options().bookPath, kDistractorBookPath);
  test.ChooseBook("books\\单词本13.txt");
  EXPECT_EQ(view.Starting("title:").back(), "title:GMAT词汇");
  EXPECT_EQ(Options().questionWord[0], 'g');
  EXPECT_EQ(Options().testRight, 1);
  EXPECT_EQ(Options().rangeFirst, 0);  // kept inside the book

  Options().reciting = 1;
  view.events.clear();
  test.ChooseBook(kDistractorBookPath);
  EXPECT_TRUE(view.events.empty());  // no test while reciting
  EXPECT_FALSE(Options().testRunning);
  EXPECT_EQ(state.currentBook.title, "GRE词汇");
}

TEST_F(StudyTest, ConfirmedSettingsRestartTheTestOnABookThatHasWords) {
  test::WriteBook("books\\small.txt", 20, "s", "小书");
  test::WriteBytes("books\\empty.txt", "空\r\n");
  test.StartTest();
  Answer(1);
  Options().testCursor = 5;
  const std::string beforePanel = Options().bookPath;
  SettingsFields fields = FieldsFromOptions(Options());
  fields.rangeFirst = 30;
  fields.sequentialTest = fields.resetPreviousChoice = 1;
  // A book chosen behind the panel's back does not count as the previous one.
  Options().bookPath = "books\\small.txt";
  fields.bookPath = "books\\empty.txt";
  view.events.clear();
  test.ApplySettings(fields, beforePanel);
  EXPECT_EQ(Options().bookPath, beforePanel);  // silently, no message
  EXPECT_EQ(view.Starting("msg:"), Events{});
  EXPECT_EQ(Options().testCursor, 1);  // reset, then the first question asked
  EXPECT_EQ(view.Starting("uncheck:").size(), 4u);
  EXPECT_EQ(Options().testWrong, 1);  // the counts go on

  fields.bookPath = "books\\small.txt";
  test.ApplySettings(fields, beforePanel);
  EXPECT_EQ(Options().rangeLast, 20);  // kept inside the book
  EXPECT_EQ(view.Starting("title:").back(), "title:小书");

  // A panel that could not open still reloads the book and starts a test.
  view.events.clear();
  test.ApplySettings(std::nullopt, Options().bookPath);
  EXPECT_EQ(view.Starting("question:").size(), 1u);
}

TEST_F(StudyTest, RecitationStartAndStopDoEveryStepInOrder) {
  Options().recordRecitedWords = 1;
  recitation.SetReciteInterval(9);  // not reciting: no timer, but the start uses it
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events,
            (Events{"timer:9", "caption:结束", "buttons:off", "topmost",
                    "strip:open,record-off", "to-tray",
                    "strip:进入单词背记状态. (注意: 主窗口已经最小化到系统托盘)"}));
  EXPECT_TRUE(Options().reciting);
  EXPECT_FALSE(Options().mainWindowShown);

  recitation.ReciteTick();
  view.events.clear();
  recitation.SetReciteInterval(1);
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events, (Events{"timer:1", "strip:close", "caption:开始", "main-window:shown", "not-topmost",
                                 "buttons:on", "timer:off"}));
  EXPECT_FALSE(Options().reciting);
  EXPECT_TRUE(Options().mainWindowShown);
  EXPECT_EQ(Options().reciteCursor, 0);  // the next start begins again at the range's start
}

TEST_F(StudyTest, RecitationShowsRecordsAndSpeaksTheWordsInTheirOrder) {
  Options().rangeLast = 3;
  EXPECT_EQ(Ticks(4), (Events{Label(2, 0), Label(3, 1), Label(4, 2), Label(2, 0)}));
  EXPECT_EQ(ReadBytes(kRecitedWordsBookPath), kRecitedTitleOnly);  // recording off
  Options().recordRecitedWords = Options().pronounceWords = 1;
  view.events.clear();
  recitation.ReciteTick();
  const std::string& word = book.words[1];
  EXPECT_EQ(view.events, (Events{"speak:" + word + "意思是" + book.meanings[word], Label(3, 1)}));
  // The record button adds the shown word again, whatever the option.
  Options().recordRecitedWords = Options().pronounceWords = 0;
  recitation.RecordShownWord();
  const std::string record = "@" + word + "\r\n" + book.meanings[word] + "\r\n";
  EXPECT_EQ(ReadBytes(kRecitedWordsBookPath), kRecitedTitleOnly + record + record);

  // Random order: the range's both ends, and the number does not move.
  Options().sequentialRecite = 0;
  Options().rangeFirst = 1;
  Options().rangeLast = 2;
  const Events shown = Ticks(20);
  EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()),
            (std::set<std::string>{Label(3, 1), Label(3, 2)}));
}

TEST_F(StudyTest, ReciteTickDuringATestReplacesTheQuestionTheTestRecords) {
  test.StartTest();
  const std::string asked = Options().questionWord;
  recitation.ReciteTick();
  const std::string recited = Options().questionWord;
  ASSERT_NE(recited, asked);
  Answer(1);
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath).find("@" + recited + "\r\n"), kMissedTitleOnly.size());
}

}  // namespace
}  // namespace vodari
