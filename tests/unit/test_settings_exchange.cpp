#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "study/settings_exchange.h"

namespace vodari {
namespace {

TEST(ParseDialogInteger, AcceptsWhatTheDialogExchangeAccepts) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"\t 42\t ", 42},      {"\t-3", -3},            {"+5", 5},
      {"007", 7},            {"00", 0},               {"+0", std::nullopt},
      {"-0", std::nullopt},  {"", std::nullopt},      {" ", std::nullopt},
      {"7 8", std::nullopt}, {"0x10", std::nullopt},  {"+", std::nullopt},
      {"5\n", std::nullopt}, {"2147483648", INT_MAX}, {"-99999999999", INT_MIN}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(ParseDialogInteger(text), value) << '"' << text << '"';
}

using F = SettingsField;

// Controls of the panel as a table of texts and checks.
class FakeControls : public SettingsControls {
 public:
  std::string Text(F field) const override { return texts.at(field); }
  bool Checked(F field) const override { return checked.count(field) != 0; }
  std::map<F, std::string> texts = {{F::kBookPath, "books\\单词本3.txt"},
                                    {F::kRangeFirst, "0"},
                                    {F::kRangeLast, "100"},
                                    {F::kReciteIntervalSeconds, "5"}};
  std::set<F> checked;
};

TEST(ReadSettingsControls, ChecksInTheExchangeOrderWithTheirMessages) {
  const std::string range0to7000 = "“请填入一个在0和7000之间的整数。”";
  const struct {
    std::map<F, std::string> texts;
    F failing;
    std::string message;
  } cases[] = {
      {{{F::kRangeLast, "7001"}}, F::kRangeLast, range0to7000},
      // The last position is examined before the first one.
      {{{F::kRangeLast, "x"}, {F::kRangeFirst, "-1"}}, F::kRangeLast, "请键入一个整数。"},
      {{{F::kRangeFirst, "-1"}, {F::kReciteIntervalSeconds, "0"}}, F::kRangeFirst, range0to7000},
      {{{F::kReciteIntervalSeconds, "61"}}, F::kReciteIntervalSeconds, "“请填入一个在1和60之间的整数。”"},
      {{{F::kBookPath, std::string(256, 'p')}, {F::kRangeLast, "x"}}, F::kBookPath,
       "“请填入不多于255个的字符。”"},
  };
  for (const auto& c : cases) {
    FakeControls controls;
    for (const auto& [field, text] : c.texts) controls.texts[field] = text;
    SettingsFields fields;
    const auto failure = ReadSettingsControls(controls, fields);
    ASSERT_TRUE(failure) << c.message;
    EXPECT_EQ(failure->field, c.failing) << c.message;
    EXPECT_EQ(failure->message, c.message);
  }
}

TEST(ReadSettingsControls, ReadsEveryFieldWhenAllPass) {
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
}

TEST(StoreFields, EveryOptionMakesTheRoundTripWithTheRangeInOrder) {
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
  EXPECT_EQ(target.rangeFirst, 10);
  EXPECT_EQ(target.rangeLast, 11);
  for (int i = 2; i < 12; ++i) EXPECT_EQ(target.*options[i], 10 + i) << i;
}

}  // namespace
}  // namespace vodari
