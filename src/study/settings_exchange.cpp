#include "study/settings_exchange.h"

#include <climits>
#include <cstdint>

#include "res/resource.h"

namespace vodari {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// "%1" and "%2" of a message filled in.
std::string FillIn(std::string text, const std::string& first, const std::string& second = "") {
  for (auto [mark, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, 2, value);
  }
  return text;
}

ExchangeFailure RangeFailure(int controlId, int low, int high) {
  return {controlId,
          FillIn("“请填入一个在%1和%2之间的整数。”", std::to_string(low), std::to_string(high))};
}

// An integer edit checked against its bounds.
std::optional<ExchangeFailure> ReadInteger(const SettingsControls& controls, int controlId, int low,
                                           int high, int& value) {
  std::optional<int> parsed = ParseDialogInteger(controls.Text(controlId));
  if (!parsed) return ExchangeFailure{controlId, "请键入一个整数。"};
  value = *parsed;
  if (value < low || value > high) return RangeFailure(controlId, low, high);
  return std::nullopt;
}

// The twelve numeric options and flags, each with its field in the panel.
struct IntegerOption {
  int SettingsFields::*field;
  int StudyOptions::*option;
};

constexpr IntegerOption kIntegerOptions[] = {
    {&SettingsFields::recordMissedWords, &StudyOptions::recordMissedWords},
    {&SettingsFields::popupOnWrong, &StudyOptions::popupOnWrong},
    {&SettingsFields::rangeLast, &StudyOptions::rangeLast},
    {&SettingsFields::rangeFirst, &StudyOptions::rangeFirst},
    {&SettingsFields::resetPreviousChoice, &StudyOptions::resetPreviousChoice},
    {&SettingsFields::sequentialTest, &StudyOptions::sequentialTest},
    {&SettingsFields::recordRecitedWords, &StudyOptions::recordRecitedWords},
    {&SettingsFields::reciteIntervalSeconds, &StudyOptions::reciteIntervalSeconds},
    {&SettingsFields::sequentialRecite, &StudyOptions::sequentialRecite},
    {&SettingsFields::pronounceWords, &StudyOptions::pronounceWords},
    {&SettingsFields::screenCapture, &StudyOptions::screenCapture},
    {&SettingsFields::playAnswerSounds, &StudyOptions::playAnswerSounds},
};

}  // namespace

SettingsFields FieldsFromOptions(const StudyOptions& options) {
  SettingsFields fields;
  fields.bookPath = options.bookPath;
  for (const IntegerOption& o : kIntegerOptions) fields.*o.field = options.*o.option;
  return fields;
}

void StoreFields(SettingsFields fields, StudyOptions& options) {
  OrderEnteredRange(fields.rangeFirst, fields.rangeLast);
  options.bookPath = fields.bookPath;
  for (const IntegerOption& o : kIntegerOptions) options.*o.option = fields.*o.field;
}

std::optional<int> ParseDialogInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const char first = i < text.size() ? text[i] : '\0';

  // The C library's strtol: any white space, a sign, decimal digits.
  std::size_t p = i;
  while (p < text.size() && IsSpace(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  std::int64_t magnitude = 0;
  const std::size_t digitsStart = p;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[p] - '0');
    ++p;
  }
  std::int64_t value = 0;
  if (p == digitsStart) {
    p = i;  // nothing converted
  } else {
    value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
  }

  if (value == 0 && first != '0') return std::nullopt;
  while (p < text.size() && IsBlank(text[p])) ++p;
  if (p != text.size()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<ExchangeFailure> ReadSettingsControls(const SettingsControls& controls,
                                                    SettingsFields& f) {
  auto check = [&](int id) { return controls.Checked(id) ? 1 : 0; };
  f.bookPath = controls.Text(IDC_BOOK_PATH);
  if (f.bookPath.size() > static_cast<std::size_t>(kMaxBookPathLength))
    return ExchangeFailure{
        IDC_BOOK_PATH, FillIn("“请填入不多于%1个的字符。”", std::to_string(kMaxBookPathLength))};
  f.recordMissedWords = check(IDC_RECORD_MISSED);
  f.popupOnWrong = check(IDC_POPUP_ON_WRONG);
  if (auto failure = ReadInteger(controls, IDC_RANGE_LAST, kRangeMin, kRangeMax, f.rangeLast))
    return failure;
  if (auto failure = ReadInteger(controls, IDC_RANGE_FIRST, kRangeMin, kRangeMax, f.rangeFirst))
    return failure;
  f.resetPreviousChoice = check(IDC_RESET_CHOICE);
  f.sequentialTest = check(IDC_SEQUENTIAL_TEST);
  f.recordRecitedWords = check(IDC_RECORD_RECITED);
  if (auto failure = ReadInteger(controls, IDC_RECITE_INTERVAL, kIntervalMin, kIntervalMax,
                                 f.reciteIntervalSeconds))
    return failure;
  f.sequentialRecite = check(IDC_SEQUENTIAL_RECITE);
  f.pronounceWords = check(IDC_PRONOUNCE);
  f.screenCapture = check(IDC_SCREEN_CAPTURE);
  f.playAnswerSounds = check(IDC_ANSWER_SOUNDS);
  return std::nullopt;
}

}  // namespace vodari
