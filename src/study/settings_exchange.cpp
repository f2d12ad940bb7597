#include "study/settings_exchange.h"

#include <climits>
#include <cstdint>

namespace vodari {
namespace {

using F = SettingsField;
using K = FieldKind;
using SF = SettingsFields;
using SO = StudyOptions;

constexpr SettingsRow Check(F key, int SF::*field, int SO::*option) {
  return {key, K::kCheckBox, nullptr, nullptr, field, option, 0, 1};
}
constexpr SettingsRow Integer(F key, int SF::*field, int SO::*option, int low, int high) {
  return {key, K::kInteger, nullptr, nullptr, field, option, low, high};
}

const std::array<SettingsRow, kSettingsFieldCount> kRows = {{
    {F::kBookPath, K::kText, &SF::bookPath, &SO::bookPath, nullptr, nullptr, 0,
     kMaxBookPathLength},
    Check(F::kRecordMissedWords, &SF::recordMissedWords, &SO::recordMissedWords),
    Check(F::kPopupOnWrong, &SF::popupOnWrong, &SO::popupOnWrong),
    Integer(F::kRangeLast, &SF::rangeLast, &SO::rangeLast, kRangeMin, kRangeMax),
    Integer(F::kRangeFirst, &SF::rangeFirst, &SO::rangeFirst, kRangeMin, kRangeMax),
    Check(F::kResetPreviousChoice, &SF::resetPreviousChoice, &SO::resetPreviousChoice),
    Check(F::kSequentialTest, &SF::sequentialTest, &SO::sequentialTest),
    Check(F::kRecordRecitedWords, &SF::recordRecitedWords, &SO::recordRecitedWords),
    Integer(F::kReciteIntervalSeconds, &SF::reciteIntervalSeconds, &SO::reciteIntervalSeconds,
            kIntervalMin, kIntervalMax),
    Check(F::kSequentialRecite, &SF::sequentialRecite, &SO::sequentialRecite),
    Check(F::kPronounceWords, &SF::pronounceWords, &SO::pronounceWords),
    Check(F::kScreenCapture, &SF::screenCapture, &SO::screenCapture),
    Check(F::kPlayAnswerSounds, &SF::playAnswerSounds, &SO::playAnswerSounds),
}};

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

std::optional<ExchangeFailure> ReadRow(const SettingsRow& row, const SettingsControls& controls,
                                       SettingsFields& fields) {
  switch (row.kind) {
    case K::kText: {
      std::string& text = fields.*row.text;
      text = controls.Text(row.key);
      if (text.size() > static_cast<std::size_t>(row.high))
        return ExchangeFailure{row.key,
                               FillIn("“请填入不多于%1个的字符。”", std::to_string(row.high))};
      return std::nullopt;
    }
    case K::kCheckBox:
      fields.*row.number = controls.Checked(row.key) ? 1 : 0;
      return std::nullopt;
    case K::kInteger: {
      const std::optional<int> parsed = ParseDialogInteger(controls.Text(row.key));
      if (!parsed) return ExchangeFailure{row.key, "请键入一个整数。"};
      fields.*row.number = *parsed;
      if (*parsed < row.low || *parsed > row.high)
        return ExchangeFailure{row.key, FillIn("“请填入一个在%1和%2之间的整数。”",
                                               std::to_string(row.low),
                                               std::to_string(row.high))};
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

const std::array<SettingsRow, kSettingsFieldCount>& SettingsRows() { return kRows; }

SettingsFields FieldsFromOptions(const StudyOptions& options) {
  SettingsFields fields;
  for (const SettingsRow& row : kRows) {
    if (row.kind == K::kText)
      fields.*row.text = options.*row.textOption;
    else
      fields.*row.number = options.*row.numberOption;
  }
  return fields;
}

void StoreFields(SettingsFields fields, StudyOptions& options) {
  OrderEnteredRange(fields.rangeFirst, fields.rangeLast);
  for (const SettingsRow& row : kRows) {
    if (row.kind == K::kText)
      options.*row.textOption = fields.*row.text;
    else
      options.*row.numberOption = fields.*row.number;
  }
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
                                                    SettingsFields& fields) {
  for (const SettingsRow& row : kRows)
    if (auto failure = ReadRow(row, controls, fields)) return failure;
  return std::nullopt;
}

}  // namespace vodari
