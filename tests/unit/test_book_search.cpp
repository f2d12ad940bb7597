#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#endif

#include "books/shared_file.h"
#include "capture/capture_search.h"
#include "lookup/book_search.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::FileExists;
using test::WriteBytes;

std::string Book(int n) { return "books\\单词本" + std::to_string(n) + ".txt"; }

class BookSearchTest : public ::testing::Test {
 protected:
  test::TempFolder folder{true};
  std::vector<std::string> notices;
  CWordTable table{[this](const std::string& text) { notices.push_back(text); }};
};

TEST_F(BookSearchTest, LowerCaseInBookOrderThenCapitalsStartingWithTheTableAsItStands) {
  WriteBytes(Book(3), "三\r\n@GRE\r\n3\r\n");
  WriteBytes(Book(7), "七\r\n@abandon\r\n放弃\r\n");
  WriteBytes(Book(35), "三十五\r\n@GRE\r\n35\r\n");
  EXPECT_EQ(LookupResultText(SearchAllBooks(table, "Abandon").value()), "abandon    放弃");
  EXPECT_EQ(table.title, "七");
  EXPECT_TRUE(FileExists("books\\用户自定义字典.txt") && FileExists(Book(6)));
  EXPECT_FALSE(FileExists(Book(8)));
  EXPECT_EQ(SearchAllBooks(table, "gre").value().meaning, "35");  // not the 3 of book 3
  EXPECT_EQ(table.title, "三十五");
}

TEST_F(BookSearchTest, MissLeavesTheLastBookCreatesTheMissingOnesAndGoesOnPastUnopenable) {
  WriteBytes(Book(35), "三十五\r\n@abandon \r\nx\r\n");  // the trailing blank belongs to the word
  // A book that cannot be opened: on Windows held open without sharing,
  // elsewhere a folder in its place.
#ifdef _WIN32
  const int locked = _sopen(Book(4).c_str(), _O_RDWR | _O_CREAT, _SH_DENYRW, _S_IREAD | _S_IWRITE);
  ASSERT_GE(locked, 0);
#else
  std::filesystem::create_directory(NativePath(Book(4)));
#endif
  EXPECT_FALSE(SearchAllBooks(table, "abandon"));
#ifdef _WIN32
  _close(locked);
#endif
  EXPECT_EQ(table.title, "三十五");
  for (const std::string& book : SearchBooks()) EXPECT_TRUE(FileExists(book)) << book;
  EXPECT_EQ(notices, std::vector<std::string>(2, "不能打开单词本"));  // once per pass
}

TEST_F(BookSearchTest, CapturedPluralFindsItsSingularOnlyAfterLowerAndUpperCase) {
  WriteBytes(Book(3), "三\r\n@book\r\n书\r\n@walke\r\nX\r\n@cat\r\n猫\r\n");
  WriteBytes(Book(35), "三十五\r\n@CATS\r\n大写\r\n");
  EXPECT_EQ(SearchCapturedWord(table, "Books").value().word, "book");
  EXPECT_EQ(SearchCapturedWord(table, "Cats").value().word, "CATS");
  EXPECT_FALSE(SearchCapturedWord(table, "walked"));  // only a final "s" goes
}

TEST_F(BookSearchTest, IncrementalLookupShowsTheFirstWordAtOrAfterTheInput) {
  WriteBytes("own.txt", "t\r\n@Apple\r\n1\r\n@aba\r\n2\r\n@abandon\r\n3\r\n@abc\r\n4\r\n");
  table.LoadFile("own.txt");
  const std::pair<const char*, const char*> cases[] = {
      {"", "Apple"}, {"ab", "aba"}, {"aban", "abandon"}, {"abb", "abc"}, {"abd", ""}};
  for (const auto& [input, word] : cases) {
    const auto found = IncrementalLookup(table, input);
    EXPECT_EQ(found ? found->word : "", word) << input;
  }
}

}  // namespace
}  // namespace vodari
