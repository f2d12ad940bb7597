// The books that ship with the program: every catalogue book is there, loads
// through the program's own reader, carries its catalogue caption as title
// and holds at least the entries its level calls for. Together they cover
// everyday English, measured against the frequency lists in tools/coverage:
// at least 97% of the 5,000 and 90% of the 10,000 most frequent English base
// words stand in some book, and the capture popup's search resolves at least
// 96% of running spoken English.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "book_checker/text_encoding.h"
#include "books/catalogue.h"
#include "books/history_book.h"
#include "books/word_table.h"
#include "capture/capture_search.h"
#include "coverage/book_coverage.h"

namespace vodari {
namespace {

namespace fs = std::filesystem;

// Smallest size per book file number ("books\单词本N.txt"): the exam books
// hold their syllabi, the school books the words of their grades, the rest
// (business, computing, trade, medical) at least 200.
int MinimumEntries(int number) {
  // GRE, CET-4, TOEFL, GMAT and CET-6, the three phrase books.
  const std::map<int, int> exams = {{18, 5000}, {15, 4000}, {32, 3500}, {13, 2000},
                                    {17, 2000}, {14, 300},  {16, 300},  {19, 300}};
  if (exams.count(number)) return exams.at(number);
  if (number >= 29 && number <= 31) return 1600;  // senior high school
  if (number >= 20 && number <= 22) return 560;   // junior high school, new books
  if (number >= 23 && number <= 28) return 200;   // junior high school, old books
  if (number >= 3 && number <= 8) return 100;     // primary school
  return 200;
}

bool IsSchoolBook(int number) { return (number >= 3 && number <= 8) || (number >= 20 && number <= 31); }

// The UTF-8 path of a catalogue file inside the source tree's data folder.
fs::path ShippedPath(const char* file) {
  std::string name = book_checker::ForDisplay(file, 1000);
  name = name.substr(name.find('\\') + 1);
  return fs::path(VODARI_DATA_BOOKS) / name;
}

// Every catalogue book is there with its title and size; all of them
// together hold at least 32,000 entries, and the school books hold every
// word of the project's list of the most common English words.
TEST(ShippedBooks, EveryCatalogueBookIsThereWithItsTitleAndSize) {
  int total = 0;
  std::set<std::string> schoolWords;
  const std::map<std::string, std::string> historyTitles = {
      {kMissedWordsBookPath, kMissedWordsBookTitle},
      {kRecitedWordsBookPath, kRecitedWordsBookTitle}};
  for (const CatalogueBook& book : Catalogue()) {
    const fs::path path = ShippedPath(book.file);
    SCOPED_TRACE(path.string());
    ASSERT_TRUE(fs::exists(path));  // loading would create it empty
    CWordTable table;
    table.LoadFile(path.string());
    auto history = historyTitles.find(book.file);
    if (history != historyTitles.end()) {
      EXPECT_EQ(table.title, history->second);
      EXPECT_EQ(table.GetCount(), 0);
      EXPECT_EQ(fs::file_size(path), history->second.size() + 2);
      continue;
    }
    EXPECT_EQ(table.title, book.caption);
    total += table.GetCount();
    int number = 0;
    if (std::sscanf(book.file, "books\\单词本%d", &number) == 1) {
      EXPECT_GE(table.GetCount(), MinimumEntries(number));
      if (IsSchoolBook(number))
        for (int i = 0; i < table.GetCount(); ++i) schoolWords.insert(table.GetEntry(i).word);
    } else {
      EXPECT_GE(table.GetCount(), std::string(book.file) == "books\\考研单词表.txt" ? 5000 : 1);
    }
  }
  EXPECT_GE(total, 32000);

  std::ifstream list(VODARI_COMMON_WORDS);
  ASSERT_TRUE(list);
  int listed = 0;
  for (std::string word; std::getline(list, word);) {
    if (word.empty() || word[0] == '#') continue;
    ++listed;
    EXPECT_EQ(schoolWords.count(word), 1u) << word << " is in no school book";
  }
  EXPECT_GT(listed, 2000);
}

std::vector<coverage::WordCount> ReadList(const std::string& name) {
  std::ifstream in(std::string(VODARI_COVERAGE_LISTS) + "/" + name, std::ios::binary);
  return coverage::ParseCountTable(std::string(std::istreambuf_iterator<char>(in), {}));
}

TEST(ShippedBooks, CoverEverydayEnglish) {
  using namespace coverage;
  const std::vector<WordCount> bases = ReadList("base_words.tsv");
  const std::vector<WordCount> forms = ReadList("spoken_forms.tsv");
  ASSERT_EQ(bases.size(), 10000u);
  ASSERT_EQ(forms.size(), 20000u);
  ProgramFolder folder(VODARI_DATA_BOOKS);
  const coverage::BookWordMap words = BookWords();
  // The measurement resolves from the book words alone; a sample shows it
  // finds what the popup's own search finds.
  CWordTable table;
  for (std::size_t i = 0; i < forms.size(); i += 50)
    EXPECT_EQ(PopupResolves(words, forms[i].word),
              SearchCapturedWord(table, forms[i].word).has_value())
        << forms[i].word;
  const CoverageReport report = MeasureCoverage(
      bases, forms, words, [&](const std::string& word) { return PopupResolves(words, word); });
  EXPECT_GE(report.top5000, 4850) << "of the top 5,000 base words";
  EXPECT_GE(report.top10000, 9000) << "of the top 10,000 base words";
  EXPECT_GE(report.spokenResolved * 100, report.spokenTotal * 96)
      << 100.0 * report.spokenResolved / report.spokenTotal << "% of running spoken English";
}

}  // namespace
}  // namespace vodari
