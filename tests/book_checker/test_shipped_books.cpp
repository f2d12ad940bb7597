// The books that ship with the program: every catalogue book is there, loads
// through the program's own reader, carries its catalogue caption as title
// and holds at least the entries its level calls for.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "book_checker/text_encoding.h"
#include "books/catalogue.h"
#include "books/history_book.h"
#include "books/word_table.h"

namespace vodari {
namespace {

namespace fs = std::filesystem;

// Smallest size per book file number ("books\单词本N.txt").
int MinimumEntries(int number) {
  switch (number) {
    case 15:
    case 18:
      return 2000;  // CET-4, GRE
    case 17:
      return 1000;  // CET-6
    case 13:
    case 32:
      return 800;  // GMAT, TOEFL
    case 14:
    case 16:
    case 19:
      return 300;  // phrase books
    case 29:
    case 30:
    case 31:
      return 300;  // high school
    case 1:
    case 2:
    case 9:
    case 10:
    case 11:
    case 12:  // business, computing, trade
    case 33:
    case 34:
    case 35:
      return 200;  // medical
    default:
      break;
  }
  if (number >= 3 && number <= 8) return 60;     // primary school
  if (number >= 20 && number <= 28) return 150;  // middle school
  return -1;
}

// The UTF-8 path of a catalogue file inside the source tree's data folder.
fs::path ShippedPath(const char* file) {
  std::string name = book_checker::ForDisplay(file, 1000);
  name = name.substr(name.find('\\') + 1);
  return fs::path(VODARI_DATA_BOOKS) / name;
}

TEST(ShippedBooks, EveryCatalogueBookIsThereWithItsTitleAndSize) {
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
    int number = 0;
    if (std::sscanf(book.file, "books\\单词本%d", &number) == 1) {
      EXPECT_GE(table.GetCount(), MinimumEntries(number));
    } else {
      EXPECT_GE(table.GetCount(), std::string(book.file) == "books\\考研单词表.txt" ? 2000 : 1);
    }
  }
}

}  // namespace
}  // namespace vodari
