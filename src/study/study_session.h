// The study session: the options, the current and distractor books, the
// history books and the random generator, and every rule of the test and of
// choosing a book. It never touches a window; it works through its view.
#pragma once

#include <cstdint>
#include <string>

#include "books/history_book.h"
#include "books/word_table.h"
#include "study/random_generator.h"
#include "study/settings_exchange.h"
#include "study/study_options.h"
#include "study/study_view.h"

namespace vodari {

inline constexpr const char* kDistractorBookPath = "books\\单词本18.txt";

class StudySession {
 public:
  explicit StudySession(StudyView& view);

  // Start-up: loads the distractor book, sets the range to its size, opens
  // the history books and seeds the generator. When the distractor book is
  // missing or empty it shows the start-up message and returns false; the
  // program then ends with exit code 1.
  bool Initialise(std::uint32_t seed);

  void StartTest();
  // An answer button, slot 0..3 for A..D.
  void ChooseAnswer(int slot);
  void EndTest();
  // The one way the program ends: summary of the run, then the dialog ends.
  void CloseWithSummary();
  // A book chosen from a "选择字典" menu.
  void ChooseBook(const std::string& file);
  // After the settings panel closed other than by Cancel: stores the fields
  // it was confirmed with (none when it could not open), reloads the book
  // (falling back silently to `previousPath`, the book current when the
  // panel opened, when it has no entries), keeps the range inside it and
  // starts a new test.
  void ApplySettings(const std::optional<SettingsFields>& accepted,
                     const std::string& previousPath);

  StudyOptions options;
  CWordTable currentBook;
  CWordTable distractorBook;
  HistoryStream missedWordsStream;
  HistoryStream recitedWordsStream;
  RandomGenerator random;

 private:
  void JudgeAnswer();
  void NextQuestion();
  void ShowCounts();

  StudyView& view_;
};

}  // namespace vodari
