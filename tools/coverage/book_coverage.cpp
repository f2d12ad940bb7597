#include "coverage/book_coverage.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "book_checker/text_encoding.h"
#include "books/gbk.h"
#include "books/shared_file.h"
#include "books/word_table.h"
#include "lookup/book_search.h"

namespace vodari::coverage {
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(const std::string& booksFolder) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path dir = fs::temp_directory_path() / ("vodari-coverage-" + std::to_string(stamp));
  fs::create_directories(dir / "books");
  path_ = dir.string();
  for (const std::string& book : SearchBooks()) {
    // "books\单词本1.txt" in GBK; the source tree names its files in UTF-8.
    std::string name = book_checker::ForDisplay(book, 1000);
    name = name.substr(name.find('\\') + 1);
    const fs::path source = fs::path(booksFolder) / name;
    std::error_code error;
    if (!fs::copy_file(source, dir / NativePath(book), error)) {
      fs::remove_all(dir, error);
      throw std::runtime_error("cannot copy " + source.string());
    }
  }
  previous_ = fs::current_path().string();
  fs::current_path(dir);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  fs::current_path(fs::path(previous_), ignored);
  fs::remove_all(fs::path(path_), ignored);
}

BookWordMap BookWords() {
  BookWordMap words;
  CWordTable table;
  const MeantForm comparison{"", true};
  for (const std::string& book : SearchBooks()) {
    table.LoadFile(book);
    for (int i = 0; i < table.GetCount(); ++i)
      words[std::string(table.Word(i))] |= Fits(comparison, table.Meaning(i));
  }
  return words;
}

bool StandsInSomeBook(const BookWordMap& bookWords, const std::string& base) {
  std::string capital = base;
  if (!capital.empty()) capital[0] = GbkToUpper(capital.substr(0, 1))[0];
  return bookWords.count(base) || bookWords.count(capital) || bookWords.count(GbkToUpper(base));
}

bool PopupResolves(const BookWordMap& bookWords, const std::string& word) {
  // The passes of SearchCapturedWord: lower case, upper case, lower case
  // without a final "s", then the forms the reader may mean.
  std::string lower = GbkToLower(word);
  std::vector<std::string> forms = {lower, GbkToUpper(word)};
  if (!lower.empty() && lower.back() == 's') {
    lower.pop_back();
    forms.push_back(lower);
  }
  const auto inBooks = [&](const std::string& form) { return bookWords.count(form) > 0; };
  if (std::any_of(forms.begin(), forms.end(), inBooks)) return true;
  const std::vector<MeantForm> meant = MeantForms(word, forms);
  return std::any_of(meant.begin(), meant.end(), [&](const MeantForm& form) {
    const auto found = bookWords.find(form.word);
    return found != bookWords.end() && (!form.comparison || found->second);
  });
}

CoverageReport MeasureCoverage(const std::vector<WordCount>& baseWords,
                               const std::vector<WordCount>& spokenForms,
                               const BookWordMap& bookWords,
                               const std::function<bool(const std::string&)>& resolves) {
  CoverageReport report;
  report.baseWords = static_cast<int>(std::min<std::size_t>(baseWords.size(), 10000));
  for (int i = 0; i < report.baseWords; ++i) {
    if (StandsInSomeBook(bookWords, baseWords[i].word)) {
      ++report.top10000;
      if (i < 5000) ++report.top5000;
    } else {
      report.missingBaseWords.push_back({i + 1, baseWords[i]});
    }
  }
  for (const WordCount& form : spokenForms) {
    report.spokenTotal += form.count;
    if (resolves(form.word))
      report.spokenResolved += form.count;
    else
      report.unresolvedForms.push_back(form);
  }
  std::stable_sort(report.unresolvedForms.begin(), report.unresolvedForms.end(),
                   [](const WordCount& a, const WordCount& b) { return a.count > b.count; });
  return report;
}

}  // namespace vodari::coverage
