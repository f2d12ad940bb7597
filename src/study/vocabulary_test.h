// The four-choice vocabulary test on the shared study state: starting,
// judging answers, ending with accuracy and score, the run summary, and the
// two ways a test restarts on another book (a book chosen from a menu, or
// settings confirmed).
#pragma once

#include <optional>
#include <string>

#include "study/settings_exchange.h"
#include "study/study_state.h"
#include "study/views.h"

namespace vodari {

class VocabularyTest {
 public:
  VocabularyTest(StudyState& state, TestView& view) : state_(state), view_(view) {}

  void StartTest();
  // An answer button, slot 0..3 for A..D; only while a test runs.
  void ChooseAnswer(int slot);
  void EndTest();
  // The summary of the whole run, shown when the program closes: a message
  // and a success or failure sound, or nothing when no answer was given.
  void ShowRunSummary();

  // A book chosen from a "选择字典" menu: an empty one is refused and the
  // previous book kept, the range is kept inside the book, and a new test
  // starts unless recitation runs.
  void ChooseBook(const std::string& file);
  // After the settings panel closed other than by Cancel: stores the fields
  // it was confirmed with (none when it could not open), reloads the book
  // (falling back silently to `previousPath`, the book current when the
  // panel opened, when it has no entries), keeps the range inside it and
  // starts a new test.
  void ApplySettings(const std::optional<SettingsFields>& accepted,
                     const std::string& previousPath);

 private:
  void JudgeAnswer();
  void NextQuestion();

  StudyState& state_;
  TestView& view_;
};

}  // namespace vodari
