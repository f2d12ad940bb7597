#include "lookup/book_search.h"

#include <algorithm>
#include <cstring>

#include "books/book_reader.h"
#include "books/gbk.h"
#include "lookup/base_forms.h"

namespace vodari {
namespace {

std::optional<WordEntry> FindWord(const CWordTable& table, const std::string& word) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (table.Word(i) == word) return table.GetEntry(i);
  return std::nullopt;
}

// How often a byte turns up in word books, roughly: GBK text, blanks, line
// ends and common lower-case letters often; capitals and rare letters seldom.
int Commonness(unsigned char c) {
  static constexpr char kLetters[] = "zqxjkvbpygfwmucldrhsnioate";  // rarest first
  if (c >= 'a' && c <= 'z') return 10 + static_cast<int>(std::strchr(kLetters, c) - kLetters);
  if (c >= 'A' && c <= 'Z') return 1;
  if (c == '@') return 30;
  if (c >= 0x80 || c == ' ' || c == '\r' || c == '\n') return 40;
  return 5;
}

}  // namespace

bool BookMayHoldWord(std::string_view bytes, const std::string& word) {
  const std::string needle = "@" + word;
  std::size_t anchor = 0;
  for (std::size_t i = 1; i < needle.size(); ++i) {
    if (Commonness(static_cast<unsigned char>(needle[i])) <
        Commonness(static_cast<unsigned char>(needle[anchor])))
      anchor = i;
  }
  const std::size_t tail = needle.size() - anchor;  // bytes from the anchor on
  for (std::size_t at = anchor; at + tail <= bytes.size(); ++at) {
    const void* hit = std::memchr(bytes.data() + at, needle[anchor], bytes.size() - tail - at + 1);
    if (!hit) return false;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
    const std::size_t start = at - anchor;
    if (bytes.compare(start, needle.size(), needle) != 0) continue;
    const std::string_view rest = bytes.substr(start + needle.size(), 2);
    if (rest.empty() || rest[0] == '\n' || rest[0] == '\0' || rest == "\r\n" ||
        word.size() >= kMaxWordBytes)
      return true;
  }
  return false;
}

std::vector<std::string> SearchBooks() {
  std::vector<std::string> books = {"books\\考研单词表.txt", "books\\用户自定义字典.txt"};
  for (int n = 1; n <= 35; ++n) books.push_back("books\\单词本" + std::to_string(n) + ".txt");
  return books;
}

std::optional<WordEntry> SearchPass(CWordTable& table, const std::vector<std::string>& candidates) {
  if (candidates.empty()) return std::nullopt;
  for (const std::string& candidate : candidates)
    if (auto found = FindWord(table, candidate)) return found;
  // Every book is read, but only one that may hold a candidate is taken
  // into the table; the others would only be overwritten by the next book.
  // A book that cannot be opened leaves the table as it was, which was
  // already searched.
  bool readButNotTaken = false;
  for (const std::string& book : SearchBooks()) {
    const std::optional<std::string_view> bytes = table.ReadFileBytes(book);
    if (!bytes) continue;
    readButNotTaken = std::none_of(candidates.begin(), candidates.end(),
                                   [&](const std::string& c) { return BookMayHoldWord(*bytes, c); });
    if (readButNotTaken) continue;
    table.TakeReadBook();
    for (const std::string& candidate : candidates)
      if (auto found = FindWord(table, candidate)) return found;
  }
  // As with loading every book: the table ends holding the last one read.
  if (readButNotTaken) table.TakeReadBook();
  return std::nullopt;
}

std::optional<WordEntry> SearchForms(CWordTable& table, const std::vector<std::string>& forms) {
  for (const std::string& form : forms)
    if (auto found = SearchPass(table, {form})) return found;
  return std::nullopt;
}

namespace {

std::string WithCapitalFirst(const std::string& lower) {
  std::string word = lower;
  if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

}  // namespace

std::vector<std::string> MeantForms(const std::string& word, const std::vector<std::string>& tried) {
  const std::string lower = GbkToLower(word);
  const std::vector<std::string> bases = BaseForms(lower);
  std::vector<std::string> forms = {WithCapitalFirst(lower)};
  forms.insert(forms.end(), bases.begin(), bases.end());
  for (const std::string& base : bases) forms.push_back(WithCapitalFirst(base));
  std::vector<std::string> meant;
  for (const std::string& form : forms) {
    const auto seen = [&](const std::vector<std::string>& list) {
      return std::find(list.begin(), list.end(), form) != list.end();
    };
    if (!form.empty() && !seen(tried) && !seen(meant)) meant.push_back(form);
  }
  return meant;
}

std::optional<WordEntry> SearchMeantForms(CWordTable& table, const std::string& word,
                                          const std::vector<std::string>& tried) {
  return SearchPass(table, MeantForms(word, tried));
}

std::optional<WordEntry> SearchAllBooks(CWordTable& table, const std::string& input) {
  const std::vector<std::string> forms = {GbkToLower(input), GbkToUpper(input)};
  if (auto found = SearchForms(table, forms)) return found;
  return SearchMeantForms(table, input, forms);
}

std::optional<WordEntry> IncrementalLookup(const CWordTable& table, const std::string& input) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (CompareGbk(table.Word(i), input) >= 0) return table.GetEntry(i);
  return std::nullopt;
}

std::string LookupResultText(const WordEntry& entry) { return entry.word + "    " + entry.meaning; }

}  // namespace vodari
