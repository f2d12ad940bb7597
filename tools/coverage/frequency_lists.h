// The frequency lists that the coverage of the word books is measured
// against: word forms of spoken English with their counts, and the English
// base words they group into.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vodari::coverage {

struct WordCount {
  std::string word;
  long long count = 0;
};

// The word counts of a frequency package: a JSON array of objects with a
// "word" and a "count", in the package's order. Throws std::runtime_error
// on anything else.
std::vector<WordCount> ParseFrequencyJson(std::string_view json);

// A table of "word<TAB>count" lines; lines starting with "#" and blank
// lines are skipped. Throws std::runtime_error on a malformed line.
std::vector<WordCount> ParseCountTable(std::string_view text);
std::string FormatCountTable(const std::string& header, const std::vector<WordCount>& words,
                             std::size_t limit);

// The words of a hand-made list, in lower case: whitespace-separated, with
// "#" starting a comment that runs to the end of the line.
std::set<std::string> ParseWordList(std::string_view text);

// The hand-made lists that decide what counts as an English base word.
struct WordClasses {
  // Not dictionary words: letters, pieces of contractions (don, ll, ve),
  // filler noise (uh, um, hmm), misreadings, foreign words.
  std::set<std::string> notWords;
  // Words the subtitles mostly spell with a capital that are dictionary
  // words all the same (Monday, English, OK, Christmas, Sergeant); every
  // other such word is taken for a name.
  std::set<std::string> capitalisedWords;
  // Forms that look inflected but are base words of their own (news, its,
  // morning, during).
  std::set<std::string> ownBaseWords;
};

// True when `form`, as the subtitles spell it, is an English dictionary word
// by `classes`.
bool IsEnglishWord(const std::string& form, const WordClasses& classes);

// Candidate base forms of a lower-case word, most likely first.
using BaseFormsFunction = std::function<std::vector<std::string>(const std::string&)>;

// Groups `forms` (spelt as in the subtitles) under their base words and
// ranks the English base words by their summed counts, highest first (ties
// in the order of the forms). A form's base is the first of its candidate
// base forms that is itself a form of the list with a count of at least
// kFrequentCount and that the spelling rules allow (see the .cpp), followed
// until there is none; a form without one is its own base, unless it is a
// plural whose singular is in the list at all. Base words are in lower
// case.
inline constexpr long long kFrequentCount = 20;
std::vector<WordCount> RankBaseWords(const std::vector<WordCount>& forms,
                                     const WordClasses& classes,
                                     const BaseFormsFunction& baseForms);

}  // namespace vodari::coverage
