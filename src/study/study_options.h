// The user's options and the study state that test and recitation share.
// Nothing here is stored: every run starts from these defaults.
#pragma once

#include <string>

namespace vodari {

inline constexpr const char* kDefaultBookPath = "books\\单词本18.txt";

struct StudyOptions {
  // Options, edited in the settings panel.
  std::string bookPath = kDefaultBookPath;
  int rangeFirst = 0;
  int rangeLast = 0;  // 0: no range; start-up sets it to the default book's size
  int reciteIntervalSeconds = 5;
  int recordMissedWords = 1;
  int popupOnWrong = 0;
  int resetPreviousChoice = 0;
  int sequentialTest = 0;
  int recordRecitedWords = 0;
  int sequentialRecite = 1;
  int pronounceWords = 0;
  int screenCapture = 0;
  int playAnswerSounds = 1;

  // Shared study state.
  bool testRunning = false;
  int chosenSlot = 4;  // 0..3 for A..D; 4 until the first answer
  int correctSlot = 0;
  int testRight = 0;
  int testWrong = 0;
  int totalRight = 0;
  int totalWrong = 0;
  int testsFinished = 0;
  int testCursor = 0;
  int reciteCursor = 0;
  int reciting = 0;
  int mainWindowShown = 1;
  std::string questionWord;
  std::string questionMeaning;
};

inline constexpr int kRangeMin = 0;
inline constexpr int kRangeMax = 7000;
inline constexpr int kIntervalMin = 1;
inline constexpr int kIntervalMax = 60;

// A range entered the wrong way round is stored the right way round.
void OrderEnteredRange(int& first, int& last);

// Keeps the range inside a book that was just loaded with `count` entries
// in place of one of `previousCount`: a range that covered the whole previous
// book (first 0, last its size) covers the whole new one; otherwise a last
// position beyond the book becomes its size, and a first position beyond
// the book goes back to 0, while a value equal to the size stays. (Without
// the first rule a small book would shrink the range for every later one.)
void FitRangeToBook(StudyOptions& options, int previousCount, int count);

}  // namespace vodari
