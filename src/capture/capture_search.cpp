#include "capture/capture_search.h"

#include <vector>

#include "books/gbk.h"
#include "lookup/book_search.h"

namespace vodari {

std::optional<WordEntry> SearchCapturedWord(CWordTable& table, const std::string& word) {
  std::string lower = GbkToLower(word);
  std::vector<std::string> forms = {lower, GbkToUpper(word)};
  if (!lower.empty() && lower.back() == 's') {
    lower.pop_back();
    forms.push_back(lower);
  }
  if (auto found = SearchForms(table, forms)) return found;
  return SearchMeantForms(table, word, forms);
}

}  // namespace vodari
