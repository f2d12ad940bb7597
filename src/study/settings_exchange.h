// Moving the options into the settings panel and back: the panel's fields,
// the one table of the user options that drives the exchange in both
// directions, and the reading of the panel with the same checks, messages
// and order as the platform's dialog data exchange. Applying accepted
// settings is the test's business.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "study/study_options.h"

namespace vodari {

// The thirteen options as the panel holds them while it is open.
struct SettingsFields {
  std::string bookPath;
  int recordMissedWords = 0;
  int popupOnWrong = 0;
  int rangeLast = 0;
  int rangeFirst = 0;
  int resetPreviousChoice = 0;
  int sequentialTest = 0;
  int recordRecitedWords = 0;
  int reciteIntervalSeconds = 0;
  int sequentialRecite = 0;
  int pronounceWords = 0;
  int screenCapture = 0;
  int playAnswerSounds = 0;
};

// The panel's fields by name, in the order of the exchange (which is also
// the order in which they are checked).
enum class SettingsField {
  kBookPath,
  kRecordMissedWords,
  kPopupOnWrong,
  kRangeLast,
  kRangeFirst,
  kResetPreviousChoice,
  kSequentialTest,
  kRecordRecitedWords,
  kReciteIntervalSeconds,
  kSequentialRecite,
  kPronounceWords,
  kScreenCapture,
  kPlayAnswerSounds,
};
inline constexpr int kSettingsFieldCount = 13;

// How a field is shown in the panel.
enum class FieldKind { kText, kCheckBox, kInteger };

// One option, one row: the field, how it is shown and checked, and the
// option it stands for.
struct SettingsRow {
  SettingsField key;
  FieldKind kind;
  std::string SettingsFields::*text;  // kText only
  std::string StudyOptions::*textOption;
  int SettingsFields::*number;  // kCheckBox and kInteger
  int StudyOptions::*numberOption;
  int low, high;  // kInteger: the accepted values; kText: the longest text
};

const std::array<SettingsRow, kSettingsFieldCount>& SettingsRows();

inline constexpr int kMaxBookPathLength = 255;

SettingsFields FieldsFromOptions(const StudyOptions& options);
// Stores accepted fields, a reversed range put in order first.
void StoreFields(SettingsFields fields, StudyOptions& options);

// Reads a whole number the way the dialog exchange does: optional blanks or
// tabs, an optional sign, digits, optional blanks or tabs, nothing else. An
// empty text fails, and so does a text that reads as 0 without beginning
// with the digit 0 ("+0", "-0"). Values beyond the 32-bit range saturate.
std::optional<int> ParseDialogInteger(const std::string& text);

// The panel's controls as the exchange sees them.
class SettingsControls {
 public:
  virtual ~SettingsControls() = default;
  virtual std::string Text(SettingsField field) const = 0;
  virtual bool Checked(SettingsField field) const = 0;
};

// Why the panel cannot close: the message to show and the field to put the
// focus in.
struct ExchangeFailure {
  SettingsField field;
  std::string message;
};

// Reads every field into `fields` in the exchange order, checking each as it
// goes; stops at the first failure.
std::optional<ExchangeFailure> ReadSettingsControls(const SettingsControls& controls,
                                                    SettingsFields& fields);

}  // namespace vodari
