#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "recording_view.h"
#include "res/resource.h"
#include "study/settings_exchange.h"
#include "study/study_session.h"
#include "temp_folder.h"

namespace vodari {
namespace {

TEST(ParseDialogInteger, AcceptsWhatTheDialogExchangeAccepts) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {" 7 ", 7},
      {"\t-3", -3},
      {"+5", 5},
      {"00", 0},
      {"0", 0},
      {"007", 7},
      {"\t 42\t ", 42},
      {"+0", std::nullopt},
      {"-0", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"12a", std::nullopt},
      {"7 8", std::nullopt},
      {"0x10", std::nullopt},
      {"+", std::nullopt},
      {"5\n", std::nullopt},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseDialogInteger(c.text), c.value) << '"' << c.text << '"';
}

// Controls of the panel as a table of texts and checks.
class FakeControls : public SettingsControls {
 public:
  FakeControls() {
    texts = {{IDC_BOOK_PATH, "books\\单词本3.txt"},
             {IDC_RANGE_FIRST, "0"},
             {IDC_RANGE_LAST, "100"},
             {IDC_RECITE_INTERVAL, "5"}};
  }
  std::string Text(int id) const override { return texts.at(id); }
  bool Checked(int id) const override { return checked.count(id) != 0; }
  std::map<int, std::string> texts;
  std::map<int, bool> checked;
};

struct Failure {
  int controlId;
  std::string message;
};

std::optional<Failure> Read(const FakeControls& controls, SettingsFields* out = nullptr) {
  SettingsFields fields;
  auto failure = ReadSettingsControls(controls, fields);
  if (out) *out = fields;
  if (!failure) return std::nullopt;
  return Failure{failure->controlId, failure->message};
}

TEST(ReadSettingsControls, ChecksInTheExchangeOrderWithTheirMessages) {
  const std::string range0to7000 = "“请填入一个在0和7000之间的整数。”";
  const std::string range1to60 = "“请填入一个在1和60之间的整数。”";
  struct Case {
    std::map<int, std::string> texts;
    int failingId;
    std::string message;
  };
  const Case cases[] = {
      {{{IDC_RANGE_LAST, "8000"}}, IDC_RANGE_LAST, range0to7000},
      // The last position is examined before the first one.
      {{{IDC_RANGE_LAST, "x"}, {IDC_RANGE_FIRST, "-1"}}, IDC_RANGE_LAST, "请键入一个整数。"},
      {{{IDC_RANGE_FIRST, "-1"}, {IDC_RECITE_INTERVAL, "0"}}, IDC_RANGE_FIRST, range0to7000},
      {{{IDC_RANGE_FIRST, ""}}, IDC_RANGE_FIRST, "请键入一个整数。"},
      {{{IDC_RECITE_INTERVAL, "0"}}, IDC_RECITE_INTERVAL, range1to60},
      {{{IDC_RECITE_INTERVAL, "61"}}, IDC_RECITE_INTERVAL, range1to60},
      {{{IDC_RANGE_LAST, "99999999999"}}, IDC_RANGE_LAST, range0to7000},
      {{{IDC_BOOK_PATH, std::string(256, 'p')}, {IDC_RANGE_LAST, "x"}},
       IDC_BOOK_PATH,
       "“请填入不多于255个的字符。”"},
  };
  for (const Case& c : cases) {
    FakeControls controls;
    for (const auto& [id, text] : c.texts) controls.texts[id] = text;
    auto failure = Read(controls);
    ASSERT_TRUE(failure) << c.message;
    EXPECT_EQ(failure->controlId, c.failingId) << c.message;
    EXPECT_EQ(failure->message, c.message);
  }
}

TEST(ReadSettingsControls, ReadsEveryFieldWhenAllPass) {
  FakeControls controls;
  controls.texts[IDC_BOOK_PATH] = std::string(255, 'p');
  controls.texts[IDC_RECITE_INTERVAL] = " 7 ";
  controls.texts[IDC_RANGE_FIRST] = "300";
  for (int id : {IDC_POPUP_ON_WRONG, IDC_SEQUENTIAL_RECITE, IDC_ANSWER_SOUNDS})
    controls.checked[id] = true;
  SettingsFields f;
  ASSERT_FALSE(Read(controls, &f));
  EXPECT_EQ(f.bookPath.size(), 255u);
  EXPECT_EQ(f.reciteIntervalSeconds, 7);
  EXPECT_EQ(f.rangeFirst, 300);
  EXPECT_EQ(f.rangeLast, 100);  // put in order only when stored
  EXPECT_EQ(f.popupOnWrong + f.sequentialRecite + f.playAnswerSounds, 3);
  EXPECT_EQ(f.recordMissedWords + f.resetPreviousChoice + f.sequentialTest + f.recordRecitedWords +
                f.pronounceWords + f.screenCapture,
            0);
}

TEST(StoreFields, CopiesBackWithTheRangeInOrder) {
  StudyOptions options;
  SettingsFields f = FieldsFromOptions(options);
  EXPECT_EQ(f.bookPath, options.bookPath);
  EXPECT_EQ(f.reciteIntervalSeconds, 5);
  f.rangeFirst = 300;
  f.rangeLast = 100;
  f.pronounceWords = 1;
  f.playAnswerSounds = 0;
  f.bookPath = "books\\x.txt";
  StoreFields(f, options);
  EXPECT_EQ(options.rangeFirst, 100);
  EXPECT_EQ(options.rangeLast, 300);
  EXPECT_TRUE(options.pronounceWords);
  EXPECT_FALSE(options.playAnswerSounds);
  EXPECT_EQ(options.bookPath, "books\\x.txt");
}

TEST(StoreFields, EveryOptionMakesTheRoundTrip) {
  StudyOptions source;
  int value = 1;
  for (int* option :
       {&source.recordMissedWords, &source.popupOnWrong, &source.rangeFirst, &source.rangeLast,
        &source.resetPreviousChoice, &source.sequentialTest, &source.recordRecitedWords,
        &source.reciteIntervalSeconds, &source.sequentialRecite, &source.pronounceWords,
        &source.screenCapture, &source.playAnswerSounds})
    *option = 10 + value++;  // distinct, and first < last
  source.bookPath = "books\\round.txt";
  StudyOptions target;
  StoreFields(FieldsFromOptions(source), target);
  EXPECT_EQ(target.bookPath, source.bookPath);
  EXPECT_EQ(target.recordMissedWords, 11);
  EXPECT_EQ(target.popupOnWrong, 12);
  EXPECT_EQ(target.rangeFirst, 13);
  EXPECT_EQ(target.rangeLast, 14);
  EXPECT_EQ(target.resetPreviousChoice, 15);
  EXPECT_EQ(target.sequentialTest, 16);
  EXPECT_EQ(target.recordRecitedWords, 17);
  EXPECT_EQ(target.reciteIntervalSeconds, 18);
  EXPECT_EQ(target.sequentialRecite, 19);
  EXPECT_EQ(target.pronounceWords, 20);
  EXPECT_EQ(target.screenCapture, 21);
  EXPECT_EQ(target.playAnswerSounds, 22);
}

class ApplySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteBook(kDistractorBookPath, 500, "d", "GRE词汇");
    folder.WriteBook("books\\small.txt", 50, "s", "小书");
    test::WriteBytes("books\\empty.txt", "空\r\n");
    ASSERT_TRUE(session.Initialise(3));
    view.Clear();
  }
  // What the panel would hand back after the user edited `edit`.
  template <typename Edit>
  void Confirm(Edit edit) {
    const std::string previous = session.options.bookPath;
    SettingsFields fields = FieldsFromOptions(session.options);
    edit(fields);
    session.ApplySettings(fields, previous);
  }
  test::WorkingFolder folder;
  test::RecordingView view;
  StudySession session{view};
};

TEST_F(ApplySettingsTest, ReversedRangeIsSwappedThenKeptInsideTheBook) {
  Confirm([](SettingsFields& f) {
    f.rangeFirst = 300;
    f.rangeLast = 100;
  });
  EXPECT_EQ(session.options.rangeFirst, 100);
  EXPECT_EQ(session.options.rangeLast, 300);
  Confirm([](SettingsFields& f) { f.bookPath = "books\\small.txt"; });
  EXPECT_EQ(session.options.rangeFirst, 0);
  EXPECT_EQ(session.options.rangeLast, 50);
}

TEST_F(ApplySettingsTest, EmptyBookFallsBackSilentlyToThePreviousOne) {
  Confirm([](SettingsFields& f) { f.bookPath = "books\\small.txt"; });
  view.Clear();
  Confirm([](SettingsFields& f) { f.bookPath = "books\\empty.txt"; });
  EXPECT_EQ(session.options.bookPath, "books\\small.txt");
  EXPECT_EQ(view.Count("msg:"), 0);
  EXPECT_EQ(view.Starting("title:").back(), "title:小书");
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(session.options.questionWord[0], 's');
}

TEST_F(ApplySettingsTest, FallbackUsesThePathFromBeforeThePanelOpened) {
  // A book switched from the panel's pop-up while it was open does not
  // count as the previous book.
  const std::string previous = session.options.bookPath;
  session.ChooseBook("books\\small.txt");
  SettingsFields fields = FieldsFromOptions(session.options);
  fields.bookPath = "books\\empty.txt";
  session.ApplySettings(fields, previous);
  EXPECT_EQ(session.options.bookPath, kDefaultBookPath);
  EXPECT_EQ(session.currentBook.GetCount(), 500);
}

TEST_F(ApplySettingsTest, TestCursorIsResetOnlyInBookOrder) {
  session.options.testCursor = 7;
  Confirm([](SettingsFields&) {});
  EXPECT_EQ(session.options.testCursor, 7);
  Confirm([](SettingsFields& f) {
    f.sequentialTest = 1;
    f.rangeFirst = 10;
  });
  // Reset, then the new test's first question moved it on by one.
  EXPECT_EQ(session.options.testCursor, 1);
  EXPECT_EQ(session.options.questionWord, "d10");
}

TEST_F(ApplySettingsTest, ConfirmingRestartsTheTestAndKeepsTheCounts) {
  session.StartTest();
  session.ChooseAnswer(session.options.correctSlot);
  view.Clear();
  Confirm([](SettingsFields& f) { f.resetPreviousChoice = 1; });
  EXPECT_EQ(view.Count("uncheck:"), 4);
  EXPECT_EQ(view.Count("msg:"), 0);  // no end-of-test summary, no "already started"
  EXPECT_EQ(view.Count("question:"), 1);
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(session.options.testRight, 1);
}

TEST_F(ApplySettingsTest, PanelThatDidNotOpenStillReloadsAndStarts) {
  session.options.reciting = 1;  // a test starts even during recitation
  session.ApplySettings(std::nullopt, session.options.bookPath);
  EXPECT_EQ(view.Count("question:"), 1);
  EXPECT_TRUE(session.options.testRunning);
  EXPECT_EQ(session.options.reciteIntervalSeconds, 5);
}

}  // namespace
}  // namespace vodari
