#include "lookup/book_search.h"

#include "books/gbk.h"

namespace vodari {
namespace {

std::optional<WordEntry> FindWord(const CWordTable& table, const std::string& word) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (table.Entry(i).word == word) return table.Entry(i);
  return std::nullopt;
}

}  // namespace

std::vector<std::string> SearchBooks() {
  std::vector<std::string> books = {"books\\考研单词表.txt", "books\\用户自定义字典.txt"};
  for (int n = 1; n <= 35; ++n) books.push_back("books\\单词本" + std::to_string(n) + ".txt");
  return books;
}

std::optional<WordEntry> SearchForms(CWordTable& table, const std::vector<std::string>& forms) {
  for (const std::string& form : forms) {
    if (auto found = FindWord(table, form)) return found;
    for (const std::string& book : SearchBooks()) {
      table.LoadFile(book);
      if (auto found = FindWord(table, form)) return found;
    }
  }
  return std::nullopt;
}

std::optional<WordEntry> SearchAllBooks(CWordTable& table, const std::string& input) {
  return SearchForms(table, {GbkToLower(input), GbkToUpper(input)});
}

std::optional<WordEntry> IncrementalLookup(const CWordTable& table, const std::string& input) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (CompareGbk(table.Entry(i).word, input) >= 0) return table.Entry(i);
  return std::nullopt;
}

std::string LookupResultText(const WordEntry& entry) { return entry.word + "    " + entry.meaning; }

}  // namespace vodari
