#include "coverage/frequency_lists.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <stdexcept>

namespace vodari::coverage {
namespace {

std::string Lower(std::string word) {
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

bool EndsWith(const std::string& word, std::string_view end) {
  return word.size() >= end.size() && word.compare(word.size() - end.size(), end.size(), end) == 0;
}

void SkipBlanks(std::string_view text, std::size_t& at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
}

// Skips blanks from `at`; true when `text` then continues with `what`.
bool Expect(std::string_view text, std::size_t& at, char what) {
  SkipBlanks(text, at);
  if (at >= text.size() || text[at] != what) return false;
  ++at;
  return true;
}

std::string JsonString(std::string_view json, std::size_t& at) {
  if (!Expect(json, at, '"')) throw std::runtime_error("a string was expected");
  std::string text;
  while (at < json.size() && json[at] != '"') {
    if (json[at] == '\\') throw std::runtime_error("escapes are not expected in a word list");
    text += json[at++];
  }
  if (!Expect(json, at, '"')) throw std::runtime_error("a string does not end");
  return text;
}

long long JsonCount(std::string_view json, std::size_t& at) {
  SkipBlanks(json, at);
  const std::size_t start = at;
  while (at < json.size() && std::isdigit(static_cast<unsigned char>(json[at]))) ++at;
  if (at == start || at - start > 15) throw std::runtime_error("a count was expected");
  return std::stoll(std::string(json.substr(start, at - start)));
}

// Words that are never the base of an inflected form: "to" is not the base
// of "toes", nor "we" of "weed", "for" of "forest" or "not" of "noted".
const std::set<std::string>& FunctionWords() {
  static const std::set<std::string> words = {
      "a",     "am",    "an",    "and",   "any",   "as",    "at",     "both", "but",
      "by",    "each",  "for",   "from",  "he",    "her",   "hers",   "him",  "his",
      "how",   "i",     "if",    "in",    "into",  "it",    "its",    "may",  "me",
      "might", "must",  "my",    "no",    "nor",   "not",   "of",     "off",  "on",
      "onto",  "or",    "our",   "ours",  "out",   "over",  "shall",  "she",  "should",
      "so",    "some",  "than",  "that",  "the",   "their", "theirs", "them", "then",
      "there", "these", "they",  "this",  "those", "to",    "up",     "us",   "we",
      "what",  "when",  "where", "which", "who",   "whom",  "whose",  "why",  "will",
      "with",  "would", "could", "yes",   "you",   "your",  "yours",  "all",  "here"};
  return words;
}

bool IsVowel(char c) { return std::strchr("aeiou", c) != nullptr; }

// A stem whose final consonant a suffix doubles (stop, stopped): one
// syllable ending in one vowel and one consonant other than w, x and y.
bool WouldDouble(const std::string& stem) {
  const std::size_t n = stem.size();
  if (n < 2 || IsVowel(stem[n - 1]) || std::strchr("wxy", stem[n - 1]) || !IsVowel(stem[n - 2]))
    return false;
  if (n >= 3 && IsVowel(stem[n - 3])) return false;
  int vowelGroups = 0;
  for (std::size_t i = 0; i < n; ++i)
    if (IsVowel(stem[i]) && (i == 0 || !IsVowel(stem[i - 1]))) ++vowelGroups;
  return vowelGroups == 1;
}

class Grouping {
 public:
  Grouping(const std::vector<WordCount>& forms, const WordClasses& classes,
           const BaseFormsFunction& baseForms)
      : classes_(classes), baseForms_(baseForms) {
    for (const WordCount& form : forms) {
      const std::string lower = Lower(form.word);
      if (counts_.emplace(lower, 0).second) {
        order_.push_back(lower);
        spelling_[lower] = form.word;
      }
      counts_[lower] += form.count;
    }
  }

  std::vector<WordCount> Rank() const {
    std::map<std::string, long long> sums;
    std::vector<std::string> bases;  // in the order first met
    for (const std::string& form : order_) {
      const std::string base = BaseOf(form);
      if (sums.emplace(base, 0).second) bases.push_back(base);
      sums[base] += counts_.at(form);
    }
    std::vector<WordCount> ranked;
    for (const std::string& base : bases)
      if (IsEnglishWord(spelling_.at(base), classes_)) ranked.push_back({base, sums[base]});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const WordCount& a, const WordCount& b) { return a.count > b.count; });
    return ranked;
  }

 private:
  long long Count(const std::string& word) const {
    const auto found = counts_.find(word);
    return found == counts_.end() ? 0 : found->second;
  }

  bool MayBeBase(const std::string& form, const std::string& base,
                 long long minimumCount = kFrequentCount) const {
    if (Count(base) < minimumCount || classes_.notWords.count(base) || FunctionWords().count(base))
      return false;
    if (base.size() < 2 || (base.size() == 2 && base != "be" && base != "do" && base != "go"))
      return false;
    // A name is no base (Vegas is no form of Vega), and a word the
    // subtitles spell with a capital only comes from one spelt so too
    // (Americans from American, but James not from jam).
    const std::string& spelt = spelling_.at(base);
    if (!IsEnglishWord(spelt, classes_) || (!IsEnglishWord(spelling_.at(form), classes_) &&
                                            !std::isupper(static_cast<unsigned char>(spelt[0]))))
      return false;
    // need, seed, feed: the "ee" belongs to the stem.
    if (EndsWith(form, "eed") && form.size() <= 5) return false;
    // -es follows only s, x, z, ch, sh and o (boxes, goes): planes is no
    // form of plan, nor sites of sit.
    if (form == base + "es" && !EndsWith(base, "s") && !EndsWith(base, "x") &&
        !EndsWith(base, "z") && !EndsWith(base, "ch") && !EndsWith(base, "sh") &&
        !EndsWith(base, "o"))
      return false;
    // A stem that would double its consonant did not lose an e: staring
    // is no form of star (starring), cutest none of cut.
    for (const char* suffix : {"ing", "ed", "er", "est"})
      if (form == base + suffix && WouldDouble(base)) return false;
    // saves, believes, proves: the -ve word is in the list, so the f is
    // none of theirs (knives, wolves keep theirs).
    if (EndsWith(form, "ves") && (EndsWith(base, "f") || EndsWith(base, "fe")) &&
        Count(form.substr(0, form.size() - 1)) >= kFrequentCount)
      return false;
    // A comparative or superlative needs the other degree in the list too
    // (bigger, biggest), so teacher, water and forest stay base words.
    const bool sharesStem = form.compare(0, base.size() - 1, base, 0, base.size() - 1) == 0;
    if (sharesStem && EndsWith(form, "er") && !Count(form.substr(0, form.size() - 2) + "est"))
      return false;
    if (sharesStem && EndsWith(form, "est") && !Count(form.substr(0, form.size() - 3) + "er"))
      return false;
    return true;
  }

  // The next base of `form`, or "" when it is a base word: the first
  // candidate that may be a base, one that is a base word itself before one
  // that is inflected again (teasing: tease, not teas).
  std::string NextBase(const std::string& form) const {
    const auto known = next_.find(form);
    if (known != next_.end()) return known->second;
    next_[form] = "";  // a base word while it is worked out
    std::string next;
    if (!classes_.ownBaseWords.count(form)) {
      std::string inflected;
      for (const std::string& base : baseForms_(form)) {
        if (!MayBeBase(form, base)) continue;
        if (NextBase(base).empty()) {
          next = base;
          break;
        }
        if (inflected.empty()) inflected = base;
      }
      if (next.empty()) next = inflected;
      // Else a plural may come from a rarer singular (footsteps, villagers).
      const std::string singular = form.substr(0, form.size() - 1);
      if (next.empty() && EndsWith(form, "s") && !EndsWith(form, "ss") && !EndsWith(form, "us") &&
          !EndsWith(form, "is") && MayBeBase(form, singular, 1))
        next = singular;
      // Spoken spelling with the g dropped: takin, tellin.
      if (next.empty() && form.size() >= 5 && EndsWith(form, "in") &&
          Count(form + "g") > Count(form))
        next = form + "g";
    }
    return next_[form] = next;
  }

  std::string BaseOf(std::string form) const {
    std::set<std::string> seen = {form};
    for (std::string next = NextBase(form); !next.empty() && seen.insert(next).second;
         next = NextBase(form))
      form = next;
    return form;
  }

  const WordClasses& classes_;
  const BaseFormsFunction& baseForms_;
  std::map<std::string, long long> counts_;
  std::map<std::string, std::string> spelling_;
  std::vector<std::string> order_;
  mutable std::map<std::string, std::string> next_;
};

}  // namespace

std::vector<WordCount> ParseFrequencyJson(std::string_view json) {
  std::vector<WordCount> words;
  std::size_t at = 0;
  if (!Expect(json, at, '[')) throw std::runtime_error("the word list is not a JSON array");
  if (Expect(json, at, ']')) return words;
  do {
    if (!Expect(json, at, '{')) throw std::runtime_error("an object was expected");
    WordCount entry;
    do {
      const std::string key = JsonString(json, at);
      if (!Expect(json, at, ':')) throw std::runtime_error("a colon was expected");
      if (key == "word")
        entry.word = JsonString(json, at);
      else if (key == "count")
        entry.count = JsonCount(json, at);
      else
        throw std::runtime_error("unexpected key " + key);
    } while (Expect(json, at, ','));
    if (!Expect(json, at, '}') || entry.word.empty())
      throw std::runtime_error("an entry without a word");
    words.push_back(entry);
  } while (Expect(json, at, ','));
  if (!Expect(json, at, ']')) throw std::runtime_error("the array does not end");
  return words;
}

std::vector<WordCount> ParseCountTable(std::string_view text) {
  std::vector<WordCount> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    std::size_t used = 0;
    long long count = -1;
    if (tab != std::string::npos && tab > 0 && tab + 1 < line.size()) {
      try {
        count = std::stoll(line.substr(tab + 1), &used);
      } catch (const std::exception&) {
      }
    }
    if (count < 0 || tab + 1 + used != line.size())
      throw std::runtime_error("not a word<TAB>count line: " + line);
    words.push_back({line.substr(0, tab), count});
  }
  return words;
}

std::string FormatCountTable(const std::string& header, const std::vector<WordCount>& words,
                             std::size_t limit) {
  std::string text = header;
  for (std::size_t i = 0; i < words.size() && i < limit; ++i)
    text += words[i].word + "\t" + std::to_string(words[i].count) + "\n";
  return text;
}

std::set<std::string> ParseWordList(std::string_view text) {
  std::set<std::string> words;
  std::string word;
  bool comment = false;
  for (const char c : std::string(text) + "\n") {
    if (c == '\n') comment = false;
    if (c == '#') comment = true;
    if (!comment && !std::isspace(static_cast<unsigned char>(c))) {
      word += c;
    } else if (!word.empty()) {
      words.insert(Lower(word));
      word.clear();
    }
  }
  return words;
}

bool IsEnglishWord(const std::string& form, const WordClasses& classes) {
  const std::string lower = Lower(form);
  if (lower.empty() || classes.notWords.count(lower)) return false;
  return !std::isupper(static_cast<unsigned char>(form[0])) ||
         classes.capitalisedWords.count(lower);
}

std::vector<WordCount> RankBaseWords(const std::vector<WordCount>& forms,
                                     const WordClasses& classes,
                                     const BaseFormsFunction& baseForms) {
  return Grouping(forms, classes, baseForms).Rank();
}

}  // namespace vodari::coverage
