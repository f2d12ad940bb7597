// How well the word books cover the frequency lists: the share of the most
// frequent English base words that stand in some book, and the share of
// running spoken English that the capture popup's search resolves.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "coverage/frequency_lists.h"

namespace vodari::coverage {

// A folder laid out as the program runs (books\ beside it) with a copy of
// the books of the all-books search from `booksFolder` (the source tree's
// data/books), made the working folder for the object's lifetime and
// removed with it. Throws std::runtime_error when a book cannot be copied.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& booksFolder);
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

 private:
  std::string path_;
  std::string previous_;
};

// Every entry word of the books of the all-books search, as the program
// reads them from the working folder, and whether some entry of the word is
// an adjective or an adverb (what a form of comparison may stand for).
using BookWordMap = std::map<std::string, bool>;
BookWordMap BookWords();

// True when some entry's word is `base`, or `base` with a capital first
// letter, or `base` in capitals (TV, OK).
bool StandsInSomeBook(const BookWordMap& bookWords, const std::string& base);

// What the capture popup's search finds for `word`, from the words of the
// books alone: the same forms in the same passes as the popup's search, so
// that a measurement over many words needs no reading of the book files.
bool PopupResolves(const BookWordMap& bookWords, const std::string& word);

struct RankedWord {
  int rank = 0;  // from 1
  WordCount word;
};

struct CoverageReport {
  int top5000 = 0;                           // of the first 5,000 base words, those in some book
  int top10000 = 0;                          // of the first 10,000
  int baseWords = 0;                         // base words measured (at most 10,000)
  long long spokenTotal = 0;                 // count of all spoken forms
  long long spokenResolved = 0;              // count of the forms the search resolves
  std::vector<RankedWord> missingBaseWords;  // in rank order
  std::vector<WordCount> unresolvedForms;    // most frequent first
};

// Measures the first 10,000 of `baseWords` against `bookWords` and every
// form of `spokenForms` against `resolves`.
CoverageReport MeasureCoverage(const std::vector<WordCount>& baseWords,
                               const std::vector<WordCount>& spokenForms,
                               const BookWordMap& bookWords,
                               const std::function<bool(const std::string&)>& resolves);

}  // namespace vodari::coverage
