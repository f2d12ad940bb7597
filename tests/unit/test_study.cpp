// The study rules: the dialog exchange of the settings, the range upkeep and
// the question choice (which pins the generator's sequence); then the study
// engine through its views: start-up, the vocabulary test and recitation on
// one shared state.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "recording_view.h"
#include "study/question.h"
#include "study/recitation.h"
#include "study/settings_exchange.h"
#include "study/vocabulary_test.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using F = SettingsField;

// Controls of the panel as a table of texts and checks.
class FakeControls : public SettingsControls {
 public:
  std::string Text(F field) const override { return texts.at(field); }
  bool Checked(F field) const override { return checked.count(field) != 0; }
  std::map<F, std::string> texts = {{F::kBookPath, "books\\单词本3.txt"}, {F::kRangeFirst, "0"},
                                    {F::kRangeLast, "100"}, {F::kReciteIntervalSeconds, "5"}};
  std::set<F> checked;
};

TEST(SettingsExchange, ReadsNumbersAndChecksTheFieldsInItsOrderWithItsMessages) {
  // Whole numbers as the dialog exchange reads them.
  const std::pair<const char*, std::optional<int>> numbers[] = {
      {"\t 42\t ", 42},      {"\t-3", -3},            {"+5", 5},
      {"007", 7},            {"00", 0},               {"+0", std::nullopt},
      {"-0", std::nullopt},  {"", std::nullopt},      {" ", std::nullopt},
      {"7 8", std::nullopt}, {"0x10", std::nullopt},  {"+", std::nullopt},
      {"5\n", std::nullopt}, {"2147483648", INT_MAX}, {"-99999999999", INT_MIN}};
  for (const auto& [text, value] : numbers)
    EXPECT_EQ(ParseDialogInteger(text), value) << '"' << text << '"';

  // The first field that fails stops the reading.
  const std::string range0to7000 = "“请填入一个在0和7000之间的整数。”";
  const std::tuple<std::map<F, std::string>, F, std::string> failures[] = {
      {{{F::kRangeLast, "7001"}}, F::kRangeLast, range0to7000},
      // The last position is examined before the first one.
      {{{F::kRangeLast, "x"}, {F::kRangeFirst, "-1"}}, F::kRangeLast, "请键入一个整数。"},
      {{{F::kRangeFirst, "-1"}, {F::kReciteIntervalSeconds, "0"}}, F::kRangeFirst, range0to7000},
      {{{F::kReciteIntervalSeconds, "61"}}, F::kReciteIntervalSeconds,
       "“请填入一个在1和60之间的整数。”"},
      {{{F::kBookPath, std::string(256, 'p')}, {F::kRangeLast, "x"}}, F::kBookPath,
       "“请填入不多于255个的字符。”"},
  };
  for (const auto& [texts, failing, message] : failures) {
    FakeControls controls;
    for (const auto& [field, text] : texts) controls.texts[field] = text;
    SettingsFields fields;
    const auto failure = ReadSettingsControls(controls, fields);
    ASSERT_TRUE(failure) << message;
    EXPECT_EQ(failure->field, failing) << message;
    EXPECT_EQ(failure->message, message);
  }
}

TEST(SettingsExchange, FieldsReachTheirOptionsWithTheRangeInOrderAndInsideTheBook) {
  FakeControls controls;
  controls.texts[F::kBookPath] = std::string(255, 'p');
  controls.texts[F::kReciteIntervalSeconds] = " 7 ";
  controls.texts[F::kRangeFirst] = "300";  // put in order only when stored
  controls.checked = {F::kPopupOnWrong, F::kSequentialRecite, F::kPlayAnswerSounds};
  SettingsFields f;
  ASSERT_FALSE(ReadSettingsControls(controls, f));
  EXPECT_EQ(std::tuple(f.bookPath.size(), f.rangeFirst, f.rangeLast, f.reciteIntervalSeconds),
            std::tuple(255u, 300, 100, 7));
  EXPECT_EQ(f.popupOnWrong + f.sequentialRecite + f.playAnswerSounds, 3);
  EXPECT_EQ(f.recordMissedWords + f.resetPreviousChoice + f.sequentialTest + f.recordRecitedWords +
                f.pronounceWords + f.screenCapture,
            0);

  // Every option makes the round trip through the fields, the range in order.
  using O = StudyOptions;
  int O::*const options[] = {&O::rangeLast, &O::rangeFirst, &O::recordMissedWords,
                             &O::popupOnWrong, &O::resetPreviousChoice, &O::sequentialTest,
                             &O::recordRecitedWords, &O::reciteIntervalSeconds,
                             &O::sequentialRecite, &O::pronounceWords, &O::screenCapture,
                             &O::playAnswerSounds};
  StudyOptions source;
  for (int i = 0; i < 12; ++i) source.*options[i] = 10 + i;  // last 10, first 11: reversed
  source.bookPath = "books\\round.txt";
  StudyOptions target;
  StoreFields(FieldsFromOptions(source), target);
  EXPECT_EQ(target.bookPath, source.bookPath);
  EXPECT_EQ(std::pair(target.rangeFirst, target.rangeLast), std::pair(10, 11));
  for (int i = 2; i < 12; ++i) EXPECT_EQ(target.*options[i], 10 + i) << i;

  // Once a book is loaded, the range is kept inside it: first, last, the
  // previous book's count and the new book's, then the range kept. A range
  // over the whole previous book grows back to the whole new one.
  const std::tuple<int, int, int, int, int, int> cases[] = {
      {100, 300, 600, 50, 0, 50},   {100, 300, 600, 500, 100, 300}, {300, 500, 600, 300, 300, 300},
      {100, 300, 600, 200, 100, 200}, {0, 0, 2, 10, 0, 0},          {0, 2, 2, 6154, 0, 6154},
      {0, 6154, 6154, 2, 0, 2},     {0, 100, 200, 500, 0, 100}};
  for (const auto& [first, last, previous, count, wantFirst, wantLast] : cases) {
    StudyOptions o;
    o.rangeFirst = first;
    o.rangeLast = last;
    FitRangeToBook(o, previous, count);
    EXPECT_EQ(std::pair(o.rangeFirst, o.rangeLast), std::pair(wantFirst, wantLast))
        << first << ".." << last << " from " << previous << " to " << count;
  }
}

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
  }
  StudyOptions& Options() { return state.options; }
  // Loads a book of n entries "<prefix>00", "<prefix>01", … into `table`.
  void Fill(CWordTable& table, int n, const std::string& prefix) {
    test::WriteBook("books\\" + prefix + ".txt", n, prefix);
    table.LoadFile("books\\" + prefix + ".txt");
  }
  Question Next() {
    return BuildQuestion(state.random, Options(), state.currentBook, state.distractorBook);
  }
  // How often each word is asked in n questions.
  std::map<std::string, int> Asked(int n) {
    std::map<std::string, int> seen;
    for (int i = 0; i < n; ++i) ++seen[Next().Asked().word];
    return seen;
  }
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
  test::RecordingView view;
  StudyState state{view};
  VocabularyTest test{state, view};
  Recitation recitation{state, view};
  test::FixtureBook book;
};

TEST_F(StudyTest, QuestionDrawsAskedEntryThenDistractorsThenSlot) {
  // Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724, then 11478, 29358,
  // 26962, 24464, 5705, 28145: the asked entry (% 10), four distractors
  // (% 40), then the right slot (% 4), where the asked entry goes.
  Fill(state.currentBook, 10, "c");
  Options().rangeLast = 0;
  const std::pair<int, std::string> expected[] = {{0, "c01 d14 d20 d09"}, {1, "d38 c08 d24 d25"}};
  for (const auto& [slot, words] : expected) {
    const Question q = Next();
    std::string shown;
    for (const WordEntry& choice : q.choices) shown += (shown.empty() ? "" : " ") + choice.word;
    EXPECT_EQ(shown, words);
    EXPECT_EQ(Options().correctSlot, slot);
  }
  EXPECT_EQ(state.random.Next(), 23281);  // nothing else was drawn

  // The four meanings differ from four different ones on: no wrong answer
  // reads as the right one, even when the asked entry is in the distractor
  // book or other words share a meaning; a smaller book gives what it has.
  const std::pair<std::string, std::size_t> books[] = {
      {"@a\r\n一\r\n", 1}, {"@a\r\n一\r\n@b\r\n一\r\n@c\r\n二\r\n", 2},
      {"@a\r\n一\r\n@b\r\n二\r\n@c\r\n三\r\n@d\r\n四\r\n", 4},
      {"@a\r\n一\r\n@b\r\n一\r\n@c\r\n二\r\n@d\r\n二\r\n@e\r\n三\r\n@f\r\n四\r\n", 4}};
  for (const auto& [bytes, distinct] : books) {
    test::WriteBytes("books\\d.txt", "题\r\n" + bytes);
    state.distractorBook.LoadFile("books\\d.txt");
    state.currentBook.LoadFile("books\\d.txt");
    for (int i = 0; i < 300; ++i) {
      const Question q = Next();
      std::set<std::string> meanings;
      for (const WordEntry& choice : q.choices) meanings.insert(choice.meaning);
      ASSERT_EQ(meanings.size(), distinct) << bytes;
    }
  }
}

TEST_F(StudyTest, QuestionAskedEntryFollowsTheRangeAndTheOrder) {
  Fill(state.currentBook, 5, "c");
  Options().rangeFirst = 3;
  Options().rangeLast = 5;  // one past the last entry
  const std::map<std::string, int> seen = Asked(600);
  EXPECT_EQ(seen.size(), 3u);
  for (const auto& [word, n] : seen) EXPECT_GT(n, 150) << word;
  EXPECT_EQ(seen.count("c00"), 1u);  // drawn as index 5

  Options().rangeLast = 0;  // no range: the whole book, the first position ignored
  EXPECT_EQ(Asked(200).size(), 5u);

  // Book order wraps before the end of the range.
  Fill(state.currentBook, 30, "c");
  Options().sequentialTest = 1;
  Options().rangeFirst = 10;
  Options().rangeLast = 20;
  std::string order;
  for (int i = 0; i < 13; ++i) order += Next().Asked().word + " ";
  EXPECT_EQ(order, "c10 c11 c12 c13 c14 c15 c16 c17 c18 c19 c10 c11 c12 ");
  EXPECT_EQ(Options().testCursor, 3);
  Options().rangeLast = 0;  // without a range it stays on the first position
  EXPECT_EQ(Asked(4), (std::map<std::string, int>{{"c10", 4}}));
}

TEST_F(StudyTest, StartUpRefusesAnEmptyDistractorBook) {
  test::WriteBytes(kDistractorBookPath, "GRE词汇\r\n");
  StudyState fresh(view);
  EXPECT_FALSE(fresh.Initialise(1));
  EXPECT_EQ(view.events, Events{"msg:不能初始化单词表\n请检查\"单词本18.txt\"是否为空"});
  EXPECT_TRUE(fresh.missedWordsStream.Failed());  // the history books are not opened
}

TEST_F(StudyTest, WholeTestFromStartToEnd) {
  EXPECT_EQ(Options().rangeLast, 40);  // start-up: the range is the distractor book
  test.ShowRunSummary();               // no answer yet: no summary
  test.ChooseAnswer(0);                // no test yet: ignored
  test.EndTest();
  EXPECT_EQ(view.events, Events{"msg:你还没有开始呢, 首先要按下开始按扭"});
  view.events.clear();
  test.StartTest();
  EXPECT_EQ(view.events,
            (Events{"feedback:", "title:GRE词汇", "question:" + Options().questionWord}));
  EXPECT_EQ(view.shownMeanings[Options().correctSlot], Options().questionMeaning);
  view.events.clear();
  test.StartTest();
  test.EndTest();  // no answer yet: the test goes on
  EXPECT_EQ(view.events,
            (Events{"msg:你已经开始测验了", "msg:你至少应该做一题吧?!\n         不许偷懒哦!"}));

  EXPECT_EQ(Answer(0), (Events{"feedback:对了, 再接再励!~", "sound:sound\\right.wav", "counts:1/0",
                               "question:" + Options().questionWord}));

  // Every option of a wrong answer on, in the order they act.
  Options().popupOnWrong = Options().pronounceWords = Options().resetPreviousChoice = 1;
  const std::string word = Options().questionWord;
  const std::string meaning = Options().questionMeaning;
  const int chosen = (Options().correctSlot + 1) % 4;
  const Events shown = Answer(1);
  EXPECT_EQ(shown,
            (Events{"feedback:错了, 继续努力!~, 正确的意思是:\n" + word + "     \n" + meaning,
                    "popup:答错了!", "sound:sound\\wrong.wav", "counts:1/1",
                    "question:" + Options().questionWord, "speak:" + Options().questionWord,
                    "uncheck:" + std::to_string(chosen)}));
  const std::string missed = kMissedTitleOnly + "@" + word + "\r\n" + meaning + "\r\n";
  EXPECT_EQ(test::ReadBytes(kMissedWordsBookPath), missed);

  // And every one off: no popup, record, sound, speech or uncheck.
  Options().popupOnWrong = Options().pronounceWords = Options().resetPreviousChoice = 0;
  Options().recordMissedWords = Options().playAnswerSounds = 0;
  EXPECT_EQ(Answer(2).size(), 3u);  // feedback, counts, question
  EXPECT_EQ(test::ReadBytes(kMissedWordsBookPath), missed);

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
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Answer(0).size(), 3u);  // still quiet when right
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

TEST_F(StudyTest, ChangingTheBookStartsANewTestOnlyOnABookThatHasWords) {
  test::WriteBook("books\\单词本13.txt", 30, "g", "GMAT词汇");
  Options().rangeFirst = 35;
  test.StartTest();
  Answer(0);
  // From a menu: an empty book is refused with a message.
  test.ChooseBook("books\\单词本5.txt");  // missing: created empty
  EXPECT_EQ(view.Starting("msg:"), Events{"msg:你所选的单词本中没有单词"});
  EXPECT_EQ(Options().bookPath, kDistractorBookPath);
  test.ChooseBook("books\\单词本13.txt");
  EXPECT_EQ(Options().questionWord[0], 'g');
  EXPECT_EQ(Options().rangeFirst, 0);

  // From the settings panel: an empty book falls back silently to the book
  // current when the panel opened, not to one chosen behind its back.
  Options().testCursor = 5;
  SettingsFields fields = FieldsFromOptions(Options());
  fields.sequentialTest = fields.resetPreviousChoice = 1;
  fields.bookPath = "books\\empty.txt";  // missing: created empty
  Options().bookPath = kDistractorBookPath;
  view.events.clear();
  test.ApplySettings(fields, "books\\单词本13.txt");
  EXPECT_EQ(Options().bookPath, "books\\单词本13.txt");
  EXPECT_EQ(view.Starting("msg:"), Events{});
  EXPECT_EQ(Options().testCursor, 1);  // reset, then the first question asked
  EXPECT_EQ(view.Starting("uncheck:").size(), 4u);
  EXPECT_EQ(Options().testRight, 1);  // the counts go on
  fields.bookPath = kDistractorBookPath;
  fields.rangeLast = 100;
  test.ApplySettings(fields, "books\\单词本13.txt");
  EXPECT_EQ(view.Starting("title:").back(), "title:GRE词汇");
  EXPECT_EQ(Options().rangeLast, 40);

  // A test or recitation on an empty book does not start.
  Options().bookPath = "books\\empty.txt";
  Options().testRunning = false;
  view.events.clear();
  test.StartTest();
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events,
            (Events{"feedback:", "msg:你所选单词本中没有单词", "msg:你所选单词本中没有单词"}));
  // A panel that could not open still reloads the book and starts a test.
  view.events.clear();
  test.ApplySettings(std::nullopt, kDistractorBookPath);
  EXPECT_EQ(view.Starting("question:").size(), 1u);

  Options().reciting = 1;
  view.events.clear();
  test.ChooseBook("books\\单词本13.txt");
  EXPECT_TRUE(view.events.empty());  // no test while reciting
  EXPECT_FALSE(Options().testRunning);
  EXPECT_EQ(state.currentBook.title, "GMAT词汇");
}

TEST_F(StudyTest, RecitationStartsShowsRecordsSpeaksAndStops) {
  Options().rangeLast = 3;
  test.StartTest();  // asks d03; the ticks replace its question
  Options().recordRecitedWords = 1;
  view.events.clear();
  recitation.SetReciteInterval(9);  // not reciting: no timer, but the start uses it
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events,
            (Events{"timer:9", "caption:结束", "buttons:off", "topmost",
                    "strip:open,record-off", "to-tray",
                    "strip:进入单词背记状态. (注意: 主窗口已经最小化到系统托盘)"}));

  Options().recordRecitedWords = 0;
  EXPECT_EQ(Ticks(4), (Events{Label(2, 0), Label(3, 1), Label(4, 2), Label(2, 0)}));
  EXPECT_EQ(test::ReadBytes(kRecitedWordsBookPath), kRecitedTitleOnly);  // recording off
  Options().recordRecitedWords = Options().pronounceWords = 1;
  view.events.clear();
  recitation.ReciteTick();
  const std::string& word = book.words[1];
  EXPECT_EQ(view.events, (Events{"speak:" + word + "意思是" + book.meanings[word], Label(3, 1)}));
  // The record button adds the shown word again, whatever the option.
  Options().recordRecitedWords = Options().pronounceWords = 0;
  recitation.RecordShownWord();
  const std::string record = "@" + word + "\r\n" + book.meanings[word] + "\r\n";
  EXPECT_EQ(test::ReadBytes(kRecitedWordsBookPath), kRecitedTitleOnly + record + record);
  Answer(1);  // wrong: the test records the word the strip showed
  EXPECT_EQ(test::ReadBytes(kMissedWordsBookPath), kMissedTitleOnly + record);

  view.events.clear();
  recitation.SetReciteInterval(1);
  recitation.ToggleRecitation();
  EXPECT_EQ(view.events, (Events{"timer:1", "strip:close", "caption:开始", "main-window:shown",
                                 "not-topmost", "buttons:on", "timer:off"}));
  EXPECT_FALSE(Options().reciting);
  EXPECT_TRUE(Options().mainWindowShown);
  EXPECT_EQ(Options().reciteCursor, 0);  // the next start begins again at the range's start
  // Without its icon the main window stays shown: hidden, it could not be reached.
  view.trayIconFails = true;
  recitation.ToggleRecitation();
  EXPECT_TRUE(Options().mainWindowShown);
  recitation.ToggleRecitation();

  // A tick that was on its way when recitation stopped changes nothing.
  const std::string asked = Options().questionWord;
  view.events.clear();
  recitation.ReciteTick();
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(Options().questionWord, asked);

  // Random order: the range's both ends, and the number does not move.
  Options().sequentialRecite = 0;
  Options().rangeFirst = 1;
  Options().rangeLast = 2;
  recitation.ToggleRecitation();
  const Events shown = Ticks(20);
  EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()),
            (std::set<std::string>{Label(1, 1), Label(1, 2)}));
}

}  // namespace
}  // namespace vodari
