#include "study/vocabulary_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_view.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::RecordingView;
using Events = std::vector<std::string>;

const std::string kMissedTitleOnly = "重点单词记录\r\n";

class VocabularyTestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBook(kDistractorBookPath, 40, "d", "GRE词汇");
    test::WriteBytes(kMissedWordsBookPath, kMissedTitleOnly);
    ASSERT_TRUE(state.Initialise(1));
    view.Clear();
  }
  StudyOptions& Options() { return state.options; }
  void AnswerRight() { test.ChooseAnswer(Options().correctSlot); }
  void AnswerWrong() { test.ChooseAnswer((Options().correctSlot + 1) % 4); }
  // What the settings panel hands back after the user edited `edit`.
  template <typename Edit>
  void Confirm(Edit edit) {
    const std::string previous = Options().bookPath;
    SettingsFields fields = FieldsFromOptions(Options());
    edit(fields);
    test.ApplySettings(fields, previous);
  }

  test::TempFolder folder{true};
  RecordingView view;
  StudyState state{view};
  VocabularyTest test{state, view};
};

TEST(StudyStateStartUp, MissingOrEmptyDistractorBookRefusesToStart) {
  for (bool createEmpty : {false, true}) {
    test::TempFolder folder(true);
    if (createEmpty) test::WriteBytes(kDistractorBookPath, "GRE词汇\r\n");
    RecordingView view;
    StudyState state(view);
    EXPECT_FALSE(state.Initialise(1));
    EXPECT_EQ(view.events, Events{"msg:不能初始化单词表\n请检查\"单词本18.txt\"是否为空"});
    EXPECT_FALSE(test::FileExists(kMissedWordsBookPath));  // history books not opened
  }
}

TEST_F(VocabularyTestTest, WholeTestFromStartToEnd) {
  EXPECT_EQ(Options().rangeLast, 40);  // start-up: the range is the distractor book
  test.StartTest();
  EXPECT_EQ(view.events, (Events{"feedback:", "title:GRE词汇", "question:" + Options().questionWord}));
  EXPECT_EQ(view.shownMeanings[Options().correctSlot], Options().questionMeaning);
  EXPECT_TRUE(Options().testRunning);

  view.Clear();
  AnswerRight();
  EXPECT_EQ(view.events, (Events{"feedback:对了, 再接再励!~", "sound:sound\\right.wav",
                                 "counts:1/0", "question:" + Options().questionWord}));

  const std::string word = Options().questionWord;
  const std::string meaning = Options().questionMeaning;
  view.Clear();
  AnswerWrong();
  EXPECT_EQ(view.events,
            (Events{"feedback:错了, 继续努力!~, 正确的意思是:\n" + word + "     \n" + meaning,
                    "sound:sound\\wrong.wav", "counts:1/1", "question:" + Options().questionWord}));
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), kMissedTitleOnly + "@" + word + "\r\n" + meaning + "\r\n");

  AnswerWrong();
  view.Clear();
  test.EndTest();
  EXPECT_EQ(view.events, (Events{"msg:正确: 1        错误: 2\n正确率: 33.00%\n 得  分: 33",
                                 "feedback:要想重新开始, 请再按下＂开始＂按扭", "counts:0/0",
                                 "clear"}));
  EXPECT_FALSE(Options().testRunning);
  EXPECT_EQ(Options().questionMeaning, "");
  EXPECT_FALSE(Options().questionWord.empty());  // the word stays
  EXPECT_EQ(Options().testsFinished, 1);
}

TEST_F(VocabularyTestTest, RefusalsChangeNothing) {
  test.ChooseAnswer(0);  // before any test
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(Options().chosenSlot, 4);
  test.EndTest();
  test.StartTest();
  view.Clear();
  test.StartTest();
  test.EndTest();  // no answer yet: the test goes on
  EXPECT_EQ(view.events, (Events{"msg:你已经开始测验了", "msg:你至少应该做一题吧?!\n         不许偷懒哦!"}));
  EXPECT_TRUE(Options().testRunning);

  test::WriteBytes("books\\empty.txt", "");
  Options().bookPath = "books\\empty.txt";
  Options().testRunning = false;
  view.Clear();
  test.StartTest();
  EXPECT_EQ(view.events, (Events{"feedback:", "msg:你所选单词本中没有单词"}));
  EXPECT_FALSE(Options().testRunning);
}

TEST_F(VocabularyTestTest, RunSummaryCountsEveryAnswerAndTurnsAtSeventyFive) {
  struct Case {
    int right, wrong;
    bool endTest;
    Events expected;
  };
  const Case cases[] = {
      {0, 0, false, {}},
      {3, 1, true,
       {"msg:这次你一共进行的1轮学习，共做了4道题\n正确:3\n错误:1\n正确率为:75.00%",
        "sound:sound\\failed.wav"}},
      {4, 1, true,
       {"msg:这次你一共进行的1轮学习，共做了5道题\n正确:4\n错误:1\n正确率为:80.00%",
        "sound:sound\\success.wav"}},
      // A test never ended still counts its answers.
      {1, 0, false,
       {"msg:这次你一共进行的0轮学习，共做了1道题\n正确:1\n错误:0\n正确率为:100.00%",
        "sound:sound\\success.wav"}},
  };
  for (const Case& c : cases) {
    RecordingView v;
    StudyState s(v);
    VocabularyTest t(s, v);
    ASSERT_TRUE(s.Initialise(7));
    s.options.playAnswerSounds = 0;  // the summary sound plays regardless
    t.StartTest();
    for (int i = 0; i < c.right; ++i) t.ChooseAnswer(s.options.correctSlot);
    for (int i = 0; i < c.wrong; ++i) t.ChooseAnswer((s.options.correctSlot + 3) % 4);
    if (c.endTest) t.EndTest();
    v.Clear();
    t.ShowRunSummary();
    EXPECT_EQ(v.events, c.expected) << c.right << "/" << c.wrong;
  }
}

TEST_F(VocabularyTestTest, AnswerOptionsActInTheirOrder) {
  Options().recordMissedWords = 0;
  test.StartTest();
  AnswerWrong();
  EXPECT_EQ(ReadBytes(kMissedWordsBookPath), kMissedTitleOnly);

  Options().recordMissedWords = 1;
  Options().popupOnWrong = 1;
  Options().pronounceWords = 1;
  Options().resetPreviousChoice = 1;
  const std::string asked = Options().questionWord;
  view.Clear();
  test.ChooseAnswer((Options().correctSlot + 2) % 4);
  // Popup before the sound, the record of the question answered, then the
  // next question, spoken.
  const std::size_t popup = view.IndexOf("popup:答错了!");
  EXPECT_LT(popup, view.IndexOf("sound:sound\\wrong.wav"));
  EXPECT_LT(view.IndexOf("sound:"), view.IndexOf("question:"));
  EXPECT_EQ(view.events.back(), "uncheck:" + std::to_string(Options().chosenSlot));
  EXPECT_EQ(view.events[view.events.size() - 2], "speak:" + Options().questionWord);
  EXPECT_NE(ReadBytes(kMissedWordsBookPath).find("@" + asked + "\r\n"), std::string::npos);
}

TEST_F(VocabularyTestTest, ChosenBookStartsANewTestKeepingTheCounts) {
  test::WriteBook("books\\单词本13.txt", 30, "g", "GMAT词汇");
  Options().rangeFirst = 35;
  test.StartTest();
  AnswerRight();
  view.Clear();
  test.ChooseBook("books\\单词本13.txt");
  EXPECT_EQ(Options().bookPath, "books\\单词本13.txt");
  EXPECT_EQ(view.Starting("title:"), Events{"title:GMAT词汇"});
  EXPECT_EQ(Options().questionWord[0], 'g');
  EXPECT_EQ(Options().testRight, 1);
  EXPECT_EQ(Options().rangeFirst, 0);  // beyond the book
  EXPECT_EQ(Options().rangeLast, 30);

  view.Clear();
  test.ChooseBook("books\\单词本5.txt");  // missing: created empty and refused
  EXPECT_TRUE(test::FileExists("books\\单词本5.txt"));
  EXPECT_EQ(view.Starting("msg:"), Events{"msg:你所选的单词本中没有单词"});
  EXPECT_EQ(Options().bookPath, "books\\单词本13.txt");
  EXPECT_EQ(view.Starting("title:"), Events{"title:GMAT词汇"});

  Options().reciting = 1;
  view.Clear();
  test.ChooseBook(kDistractorBookPath);
  EXPECT_TRUE(view.events.empty());  // no test while reciting
  EXPECT_FALSE(Options().testRunning);
  EXPECT_EQ(state.currentBook.title, "GRE词汇");
}

TEST_F(VocabularyTestTest, UnreadableBookKeepsThePreviousEntries) {
  test.StartTest();
  view.Clear();
  test.ChooseBook("nowhere\\x.txt");
  // Once for the choice, once more when the new test loads it again; the
  // test goes on with the entries already loaded.
  EXPECT_EQ(view.Count("msg:不能打开单词本"), 2);
  EXPECT_EQ(Options().bookPath, "nowhere\\x.txt");
  EXPECT_TRUE(Options().testRunning);
  EXPECT_EQ(Options().questionWord[0], 'd');
}

TEST_F(VocabularyTestTest, ConfirmedSettingsRestartTheTestOnABookThatHasWords) {
  test::WriteBook("books\\small.txt", 20, "s", "小书");
  test::WriteBytes("books\\empty.txt", "空\r\n");
  test.StartTest();
  AnswerWrong();
  Options().testCursor = 5;
  Confirm([](SettingsFields& f) {
    f.rangeFirst = 30;
    f.rangeLast = 10;
    f.sequentialTest = 1;
    f.resetPreviousChoice = 1;
  });
  EXPECT_EQ(Options().rangeFirst, 10);  // put in order
  EXPECT_EQ(Options().rangeLast, 30);
  EXPECT_EQ(Options().testCursor, 1);  // reset, then the first question asked
  EXPECT_EQ(view.Count("uncheck:"), 4);
  EXPECT_EQ(Options().testWrong, 1);  // the counts go on
  EXPECT_TRUE(Options().testRunning);

  // A book chosen behind the panel's back does not count as the previous one.
  const std::string beforePanel = Options().bookPath;
  Options().bookPath = "books\\small.txt";
  view.Clear();
  SettingsFields fields = FieldsFromOptions(Options());
  fields.bookPath = "books\\empty.txt";
  test.ApplySettings(fields, beforePanel);
  EXPECT_EQ(Options().bookPath, beforePanel);  // silently, no message
  EXPECT_EQ(view.Count("msg:"), 0);
  EXPECT_EQ(Options().rangeLast, 30);

  Confirm([](SettingsFields& f) { f.bookPath = "books\\small.txt"; });
  EXPECT_EQ(Options().rangeFirst, 10);
  EXPECT_EQ(Options().rangeLast, 20);  // kept inside the book
  EXPECT_EQ(view.Starting("title:").back(), "title:小书");

  // A panel that could not open still reloads the book and starts a test.
  Options().testRunning = true;
  view.Clear();
  test.ApplySettings(std::nullopt, Options().bookPath);
  EXPECT_EQ(view.Count("question:"), 1);
}

}  // namespace
}  // namespace vodari
