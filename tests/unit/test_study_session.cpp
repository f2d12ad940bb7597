#include <gtest/gtest.h>

#include <string>

#include "books/history_book.h"
#include "recording_view.h"
#include "res/resource.h"
#include "study/study_session.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::RecordingView;
using test::WorkingFolder;

const std::string kHint = "text" + std::to_string(IDC_HINT) + ":";
const std::string kMissedTitleOnly = "重点单词记录\r\n";

class StudySessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteBook(kDistractorBookPath, 40, "d", "GRE词汇");
    test::WriteBytes(kMissedWordsBookPath, kMissedTitleOnly);
    ASSERT_TRUE(session.Initialise(1));
    view.Clear();
  }
  int WrongSlot() const { return (session.options.correctSlot + 1) % 4; }
  void AnswerRight() { session.ChooseAnswer(session.options.correctSlot); }
  void AnswerWrong() { session.ChooseAnswer(WrongSlot()); }

  WorkingFolder folder;
  RecordingView view;
  StudySession session{view};
};

TEST_F(StudySessionTest, StartUpSetsTheRangeAndOpensTheHistoryBooks) {
  EXPECT_EQ(session.options.rangeLast, 40);
  EXPECT_EQ(session.options.rangeFirst, 0);
  EXPECT_TRUE(test::FileExists(kRecitedWordsBookPath));  // created empty
  EXPECT_EQ(ReadBytes(kRecitedWordsBookPath), "");
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), kMissedTitleOnly);  // never truncated
}

TEST(StudySessionStartUp, MissingOrEmptyDistractorBookRefusesToStart) {
  for (bool createEmpty : {false, true}) {
    WorkingFolder folder;
    if (createEmpty) test::WriteBytes(kDistractorBookPath, "GRE词汇\r\n");
    RecordingView view;
    StudySession session(view);
    EXPECT_FALSE(session.Initialise(1));
    ASSERT_EQ(view.events.size(), 1u);
    EXPECT_EQ(view.events[0], "msg:不能初始化单词表\n请检查\"单词本18.txt\"是否为空");
    // The history books are not opened, so not created.
    EXPECT_FALSE(test::FileExists(kMissedWordsBookPath));
  }
}

TEST_F(StudySessionTest, WholeTestFromStartToSummary) {
  session.StartTest();
  EXPECT_EQ(view.events[0], kHint);  // hint cleared first
  EXPECT_EQ(view.events[1], "title:GRE词汇");
  EXPECT_EQ(view.Count("question:"), 1);
  EXPECT_EQ(view.Count("speak:"), 0);  // the first question is not spoken
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(view.shownMeanings[session.options.correctSlot], session.options.questionMeaning);
  EXPECT_EQ(view.shownWord, session.options.questionWord);

  view.Clear();
  AnswerRight();
  EXPECT_EQ(view.events[0], kHint + "对了, 再接再励!~");
  EXPECT_EQ(view.events[1], "sound:sound\\right.wav");
  EXPECT_EQ(view.events[2], "text1010:1");
  EXPECT_EQ(view.events[3], "text1011:0");
  EXPECT_EQ(view.events[4].rfind("question:", 0), 0u);

  const std::string word = session.options.questionWord;
  const std::string meaning = session.options.questionMeaning;
  view.Clear();
  AnswerWrong();
  EXPECT_EQ(view.events[0],
            kHint + "错了, 继续努力!~, 正确的意思是:\n" + word + "     \n" + meaning);
  EXPECT_EQ(view.events[1], "sound:sound\\wrong.wav");
  EXPECT_EQ(view.events[2], "text1010:1");
  EXPECT_EQ(view.events[3], "text1011:1");
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath),
            kMissedTitleOnly + "@" + word + "\r\n" + meaning + "\r\n");

  AnswerWrong();
  view.Clear();
  session.EndTest();
  EXPECT_EQ(view.events[0], "msg:正确: 1        错误: 2\n正确率: 33.00%\n 得  分: 33");
  EXPECT_EQ(view.events[1], kHint + "要想重新开始, 请再按下＂开始＂按扭");
  EXPECT_EQ(view.events[2], "text1010:0");
  EXPECT_EQ(view.events[3], "text1011:0");
  for (int id = IDC_WORD; id <= IDC_MEANING_D; ++id) {
    if (id >= IDC_ANSWER_A && id <= IDC_ANSWER_D) continue;
    EXPECT_NE(view.IndexOf("text" + std::to_string(id) + ":"), view.events.size()) << id;
  }
  EXPECT_FALSE(session.options.testRunning);
  EXPECT_EQ(session.options.questionMeaning, "");
  EXPECT_FALSE(session.options.questionWord.empty());  // the word stays
  EXPECT_EQ(session.options.testsFinished, 1);

  view.Clear();
  session.CloseWithSummary();
  EXPECT_EQ(view.events,
            (std::vector<std::string>{
                "tray-removed",
                "msg:这次你一共进行的1轮学习，共做了3道题\n正确:1\n错误:2\n正确率为:33.00%",
                "sound:sound\\failed.wav", "closed"}));
  // The history books are closed: nothing more is recorded.
  const std::string before = ReadBytes(kMissedWordsBookPath);
  AppendHistoryRecord(session.missedWordsStream, "x", "y");
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), before);
}

TEST_F(StudySessionTest, SummarySoundTurnsAtSeventyFive) {
  struct Case {
    int right, wrong;
    const char* accuracy;
    const char* sound;
  };
  for (const Case& c : {Case{3, 1, "75.00", "sound:sound\\failed.wav"},
                        Case{4, 1, "80.00", "sound:sound\\success.wav"},
                        Case{2, 1, "66.00", "sound:sound\\failed.wav"}}) {
    RecordingView v;
    StudySession s(v);
    ASSERT_TRUE(s.Initialise(7));
    s.options.playAnswerSounds = 0;  // the summary sound plays regardless
    s.StartTest();
    for (int i = 0; i < c.right; ++i) s.ChooseAnswer(s.options.correctSlot);
    for (int i = 0; i < c.wrong; ++i) s.ChooseAnswer((s.options.correctSlot + 3) % 4);
    s.EndTest();
    v.Clear();
    s.CloseWithSummary();
    ASSERT_EQ(v.events.size(), 4u);
    EXPECT_NE(v.events[1].find(std::string("正确率为:") + c.accuracy + "%"), std::string::npos)
        << v.events[1];
    EXPECT_EQ(v.events[2], c.sound);
  }
}

TEST_F(StudySessionTest, SummaryCountsAnswersOfATestNeverEnded) {
  session.StartTest();
  AnswerRight();
  view.Clear();
  session.CloseWithSummary();
  EXPECT_EQ(view.events[1],
            "msg:这次你一共进行的0轮学习，共做了1道题\n正确:1\n错误:0\n正确率为:100.00%");
  EXPECT_EQ(view.events[2], "sound:sound\\success.wav");
}

TEST_F(StudySessionTest, ClosingWithoutAnswersShowsNothing) {
  session.StartTest();
  view.Clear();
  session.CloseWithSummary();
  EXPECT_EQ(view.events, (std::vector<std::string>{"tray-removed", "closed"}));
}

TEST_F(StudySessionTest, AnswersOutsideATestAndRepeatedCommandsChangeNothing) {
  session.ChooseAnswer(0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(session.options.chosenSlot, 4);
  session.EndTest();
  EXPECT_EQ(view.events.back(), "msg:你还没有开始呢, 首先要按下开始按扭");

  session.StartTest();
  AnswerWrong();
  view.Clear();
  session.StartTest();
  EXPECT_EQ(view.events, (std::vector<std::string>{"msg:你已经开始测验了"}));
  EXPECT_EQ(session.options.testWrong, 1);
  EXPECT_TRUE(session.options.testRunning);
}

TEST_F(StudySessionTest, EndingWithoutAnAnswerKeepsTheTestRunning) {
  session.StartTest();
  view.Clear();
  session.EndTest();
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"msg:你至少应该做一题吧?!\n         不许偷懒哦!"}));
  EXPECT_TRUE(session.options.testRunning);
  AnswerRight();
  AnswerRight();
  AnswerRight();
  view.Clear();
  session.EndTest();
  EXPECT_EQ(view.events[0], "msg:正确: 3        错误: 0\n正确率: 100.00%\n 得  分: 100");
  EXPECT_EQ(session.options.totalRight, 3);
}

TEST_F(StudySessionTest, MissedWordsAreRecordedOnlyWhenOn) {
  session.options.recordMissedWords = 0;
  session.StartTest();
  AnswerWrong();
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), kMissedTitleOnly);
  session.options.recordMissedWords = 1;
  const std::string word = session.options.questionWord;
  AnswerWrong();
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath).rfind(kMissedTitleOnly + "@" + word + "\r\n", 0), 0u);
  const std::string recorded = ReadBytes(kMissedWordsBookPath);
  AnswerRight();  // right answers are never recorded
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), recorded);
}

TEST_F(StudySessionTest, WrongAnswerPopupComesBeforeTheSoundAndTheNextQuestion) {
  session.options.popupOnWrong = 1;
  session.StartTest();
  const std::string word = session.options.questionWord;
  view.Clear();
  AnswerWrong();
  const std::size_t popup = view.IndexOf("popup:答错了!");
  ASSERT_LT(popup, view.events.size());
  EXPECT_LT(popup, view.IndexOf("sound:sound\\wrong.wav"));
  EXPECT_LT(view.IndexOf("sound:sound\\wrong.wav"), view.IndexStarting("question:"));
  // The record is of the question that was answered, made before it changed.
  EXPECT_NE(ReadBytes(kMissedWordsBookPath).find("@" + word + "\r\n"), std::string::npos);
  AnswerRight();
  EXPECT_EQ(view.Count("popup:"), 1);
}

TEST_F(StudySessionTest, ResetPreviousChoiceUnchecksTheClickedButton) {
  session.StartTest();
  const int slot = WrongSlot();
  session.ChooseAnswer(slot);
  EXPECT_EQ(view.Count("uncheck:"), 0);  // off: the button stays checked
  session.options.resetPreviousChoice = 1;
  view.Clear();
  session.ChooseAnswer(2);
  EXPECT_EQ(view.events.back(), "uncheck:" + std::to_string(IDC_ANSWER_C));
  EXPECT_EQ(session.options.chosenSlot, 2);
}

TEST_F(StudySessionTest, EveryQuestionAfterAnAnswerIsSpokenOnce) {
  session.options.pronounceWords = 1;
  session.options.playAnswerSounds = 0;
  session.StartTest();
  EXPECT_EQ(view.Count("speak:"), 0);
  for (int i = 0; i < 3; ++i) {
    view.Clear();
    AnswerRight();
    ASSERT_EQ(view.Count("speak:"), 1);
    EXPECT_EQ(view.events.back(), "speak:" + session.options.questionWord);
    EXPECT_EQ(view.events[view.events.size() - 2], "question:" + session.options.questionWord);
  }
}

TEST_F(StudySessionTest, ChoosingABookStartsANewTestOnIt) {
  folder.WriteBook("books\\单词本13.txt", 30, "g", "GMAT词汇");
  session.StartTest();
  AnswerRight();
  view.Clear();
  session.ChooseBook("books\\单词本13.txt");
  EXPECT_EQ(session.options.bookPath, "books\\单词本13.txt");
  EXPECT_EQ(view.Starting("title:"), (std::vector<std::string>{"title:GMAT词汇"}));
  EXPECT_EQ(view.Count("question:"), 1);
  EXPECT_EQ(session.options.questionWord[0], 'g');
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(session.options.testRight, 1);  // the counts go on
  EXPECT_EQ(session.options.rangeLast, 30);
}

TEST_F(StudySessionTest, ChoosingAnEmptyBookKeepsThePreviousOne) {
  session.StartTest();
  view.Clear();
  session.ChooseBook("books\\单词本5.txt");  // missing: created empty
  EXPECT_TRUE(test::FileExists("books\\单词本5.txt"));
  EXPECT_EQ(view.Starting("msg:"), (std::vector<std::string>{"msg:你所选的单词本中没有单词"}));
  EXPECT_EQ(session.options.bookPath, kDefaultBookPath);
  EXPECT_EQ(session.currentBook.GetCount(), 40);
  EXPECT_EQ(view.Starting("title:"), (std::vector<std::string>{"title:GRE词汇"}));
  EXPECT_TRUE(session.options.testRunning);
}

TEST_F(StudySessionTest, EmptyBookOnStartRefusesTheTest) {
  test::WriteBytes("books\\empty.txt", "");
  session.options.bookPath = "books\\empty.txt";
  session.StartTest();
  EXPECT_EQ(view.events, (std::vector<std::string>{kHint, "msg:你所选单词本中没有单词"}));
  EXPECT_FALSE(session.options.testRunning);
}

TEST_F(StudySessionTest, ChoosingABookClampsTheRange) {
  folder.WriteBook("books\\a.txt", 200, "a");
  folder.WriteBook("books\\b.txt", 300, "b");
  session.options.rangeFirst = 300;
  session.options.rangeLast = 500;
  session.ChooseBook("books\\a.txt");
  EXPECT_EQ(session.options.rangeFirst, 0);
  EXPECT_EQ(session.options.rangeLast, 200);
  session.options.rangeFirst = 300;
  session.options.rangeLast = 500;
  session.ChooseBook("books\\b.txt");
  EXPECT_EQ(session.options.rangeFirst, 300);
  EXPECT_EQ(session.options.rangeLast, 300);
}

TEST_F(StudySessionTest, ChoosingABookDuringRecitationStartsNoTest) {
  folder.WriteBook("books\\a.txt", 20, "a", "A book");
  session.StartTest();
  session.options.reciting = 1;
  view.Clear();
  session.ChooseBook("books\\a.txt");
  EXPECT_TRUE(view.events.empty());
  EXPECT_FALSE(session.options.testRunning);  // the running test is abandoned
  EXPECT_EQ(session.currentBook.title, "A book");
}

TEST_F(StudySessionTest, UnreadableBookKeepsThePreviousEntries) {
  session.StartTest();
  view.Clear();
  session.ChooseBook("nowhere\\x.txt");
  // Once for the choice, once more when the new test loads it again; the
  // test goes on with the entries already loaded.
  EXPECT_EQ(view.Count("msg:不能打开单词本"), 2);
  EXPECT_EQ(session.options.bookPath, "nowhere\\x.txt");
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(session.options.questionWord[0], 'd');
}

}  // namespace
}  // namespace vodari
