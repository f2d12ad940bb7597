// The study state that the test and the recitation share, with its one
// owner: the options, the current and distractor books, the two history
// books and the random generator.
#pragma once

#include <cstdint>

#include "books/history_book.h"
#include "books/word_table.h"
#include "study/random_generator.h"
#include "study/study_options.h"
#include "study/views.h"

namespace vodari {

inline constexpr const char* kDistractorBookPath = "books\\单词本18.txt";

class StudyState {
 public:
  // Book-loading messages ("不能打开单词本") go to `notices`.
  explicit StudyState(Notices& notices);

  // Start-up: loads the distractor book, sets the range to its size, opens
  // the history books and seeds the generator. When the distractor book is
  // missing or empty it shows the start-up message and returns false; the
  // program then ends with exit code 1.
  bool Initialise(std::uint32_t seed);
  void CloseHistoryBooks();

  StudyOptions options;
  CWordTable currentBook;
  CWordTable distractorBook;
  HistoryStream missedWordsStream;
  HistoryStream recitedWordsStream;
  RandomGenerator random;
  Notices& notices;
  // Entries of the book the range was last fitted to (the default book at
  // start-up); tells a range that covers the whole book from a narrowed one.
  int rangeBookCount = 0;
};

}  // namespace vodari
