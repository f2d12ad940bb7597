// The base forms an inflected English word may come from, so that a search
// that finds nothing for "walked", "children" or "studies" can still find
// walk, child and study: regular inflections by their spelling rules and
// irregular ones from a table of our own.
#pragma once

#include <string>
#include <vector>

namespace vodari {

// The candidate base forms of `word`, a lower-case English word form, most
// likely first, without the word itself and without repeats. Irregular
// forms come first (went: go; children: child; better: good, well), then
// the regular rules: plural and third-person -s/-es/-ies, past -ed/-d/-ied,
// -ing, comparative -er/-est/-ier/-iest, with a doubled final consonant
// undone and a dropped final e restored (where a one-syllable stem such as
// "hop" in "hoped" would be doubled, the form with e comes first), the
// possessive 's. Empty for a word that holds anything but ASCII letters and
// apostrophes.
std::vector<std::string> BaseForms(const std::string& word);

// The same, each with whether it comes only from a comparison (bigger,
// biggest: big): such a form is meant only where the book has it as an
// adjective or an adverb, not for Peter or Walker.
struct BaseForm {
  std::string word;
  bool comparison = false;
};
std::vector<BaseForm> BaseFormsOf(const std::string& word);

}  // namespace vodari
