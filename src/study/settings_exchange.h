// Moving the options into the settings panel and back: the panel's fields,
// the reading of its controls with the same checks, messages and order as
// the platform's dialog data exchange, and nothing else. Applying accepted
// settings is the session's business.
#pragma once

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
  virtual std::string Text(int controlId) const = 0;
  virtual bool Checked(int controlId) const = 0;
};

// Why the panel cannot close: the message to show and the edit to put the
// focus in.
struct ExchangeFailure {
  int controlId = 0;
  std::string message;
};

// Reads every control into `fields` in the exchange order, checking each as
// it goes; stops at the first failure.
std::optional<ExchangeFailure> ReadSettingsControls(const SettingsControls& controls,
                                                    SettingsFields& fields);

}  // namespace vodari
