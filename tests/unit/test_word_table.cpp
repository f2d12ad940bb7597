#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/word_table.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::TempFolder;
using test::WriteBytes;

// A table whose notices are recorded.
struct Loaded {
  std::vector<std::string> notices;
  CWordTable table{[this](const std::string& text) { notices.push_back(text); }};
};

std::string Book(int entries, const std::string& prefix = "w") {
  std::string text = "title\r\n";
  for (int i = 0; i < entries; ++i)
    text += "@" + prefix + std::to_string(i) + "\r\nm" + std::to_string(i) + "\r\n";
  return text;
}

class WordTableTest : public ::testing::Test {
 protected:
  // Writes `bytes` as a book and loads it into `book`.
  void Load(const std::string& bytes) {
    const std::string path = dir.File("book.txt");
    WriteBytes(path, bytes);
    book.table.LoadFile(path);
  }
  TempFolder dir;
  Loaded book;
};

TEST_F(WordTableTest, ReadsTitleAndEntriesWithCrLfOrLoneLf) {
  for (const std::string& text :
       {std::string("初中英语第一册\r\n@apple\r\n苹果\r\n@book\r\n书\r\n"),
        std::string("初中英语第一册\n@apple\n苹果\n@book\n书\n")}) {
    Load(text);
    EXPECT_EQ(book.table.title, "初中英语第一册");
    ASSERT_EQ(book.table.GetCount(), 2);
    EXPECT_TRUE(book.table.loaded);
    EXPECT_EQ(book.table.GetEntry(0).word, "apple");
    EXPECT_EQ(book.table.GetEntry(0).meaning, "苹果");
    EXPECT_EQ(book.table.GetEntry(1).number, 1);
    EXPECT_EQ(book.table.GetEntry(1).word, "book");
    EXPECT_EQ(book.table.GetEntry(1).meaning, "书");
  }
  EXPECT_TRUE(book.notices.empty());
}

TEST_F(WordTableTest, TitleLineIsAlsoScannedAsAnEntry) {
  Load("@cat\r\n猫\r\n@dog\r\n狗\r\n");
  EXPECT_EQ(book.table.title, "@cat");
  ASSERT_EQ(book.table.GetCount(), 2);
  EXPECT_EQ(book.table.GetEntry(0).word, "cat");
  EXPECT_EQ(book.table.GetEntry(1).meaning, "狗");
}

TEST_F(WordTableTest, SingleLineWithoutLineEndHasNoEntries) {
  Load("@cat");
  EXPECT_EQ(book.table.title, "@cat");
  EXPECT_EQ(book.table.GetCount(), 0);
  EXPECT_FALSE(book.table.loaded);
}

TEST_F(WordTableTest, MeaningLineIsTakenWholeEvenWithAnAt) {
  Load("t\r\n@a\r\n@b\r\nx\r\n");
  ASSERT_EQ(book.table.GetCount(), 1);
  EXPECT_EQ(book.table.GetEntry(0).word, "a");
  EXPECT_EQ(book.table.GetEntry(0).meaning, "@b");
}

TEST_F(WordTableTest, LastWordLineGetsAnEmptyMeaning) {
  for (const char* text : {"t\r\n@a\r\nA\r\n@last", "t\r\n@a\r\nA\r\n@last\r\n"}) {
    Load(text);
    ASSERT_EQ(book.table.GetCount(), 2) << text;
    EXPECT_EQ(book.table.GetEntry(1).word, "last");
    EXPECT_EQ(book.table.GetEntry(1).meaning, "");
  }
}

TEST_F(WordTableTest, WordsAreCutButNotTrimmed) {
  const std::string sixty(60, 'x');
  Load("t\r\n@" + sixty + "\r\nm\r\n@ a b  \r\nm\r\n");
  ASSERT_EQ(book.table.GetCount(), 2);
  EXPECT_EQ(book.table.GetEntry(0).word, std::string(49, 'x'));
  EXPECT_EQ(book.table.GetEntry(1).word, " a b  ");
}

TEST_F(WordTableTest, OverlongLinesAreReadInPiecesOf1023Bytes) {
  const std::string meaning(1023, 'm');
  // The rest of a long meaning is a line of its own: ignored, or an entry
  // when it begins with "@".
  Load("t\r\n@a\r\n" + meaning + std::string(477, 'r') + "\r\n@b\r\n" + meaning + "@c\r\nC\r\n");
  ASSERT_EQ(book.table.GetCount(), 3);
  EXPECT_EQ(book.table.GetEntry(0).meaning, meaning);
  EXPECT_EQ(book.table.GetEntry(1).word, "b");
  EXPECT_EQ(book.table.GetEntry(1).meaning, meaning);
  EXPECT_EQ(book.table.GetEntry(2).word, "c");
  EXPECT_EQ(book.table.GetEntry(2).meaning, "C");
}

TEST_F(WordTableTest, CrLfStraddlingThePieceBoundaryIsOneLineEnd) {
  // 1022 bytes, then CR as the 1023rd byte and LF as the 1024th.
  const std::string meaning(1022, 'm');
  Load("t\r\n@a\r\n" + meaning + "\r\n@b\r\nB\r\n");
  ASSERT_EQ(book.table.GetCount(), 2);
  EXPECT_EQ(book.table.GetEntry(0).meaning, meaning);
  EXPECT_EQ(book.table.GetEntry(1).word, "b");
  EXPECT_EQ(book.table.GetEntry(1).meaning, "B");
}

TEST_F(WordTableTest, TitleIsCutTo1023Bytes) {
  Load(std::string(1500, 'T') + "\r\n@a\r\nA\r\n");
  EXPECT_EQ(book.table.title, std::string(1023, 'T'));
  EXPECT_EQ(book.table.GetCount(), 1);
}

TEST_F(WordTableTest, CapacityIs7000Entries) {
  Load(Book(7005));
  ASSERT_EQ(book.table.GetCount(), 7000);
  EXPECT_EQ(book.table.GetEntry(6999).word, "w6999");
  EXPECT_EQ(book.table.GetEntry(6999).number, 6999);
  EXPECT_EQ(book.table.GetEntry(7000).word, "w0");
}

TEST_F(WordTableTest, ExactlyFullBookKeepsItsLastEntry) {
  Load(Book(7000));
  ASSERT_EQ(book.table.GetCount(), 7000);
  EXPECT_EQ(book.table.GetEntry(6999).meaning, "m6999");
}

TEST_F(WordTableTest, IndexesOutsideTheBookGiveEntryZero) {
  Load(Book(3));
  for (int index : {3, -1, 100000}) EXPECT_EQ(book.table.GetEntry(index).word, "w0") << index;
}

TEST_F(WordTableTest, SmallerBookAfterLargerOne) {
  Load(Book(100, "old"));
  Load(Book(10, "new"));
  EXPECT_EQ(book.table.GetCount(), 10);
  EXPECT_EQ(book.table.GetEntry(9).word, "new9");
  EXPECT_EQ(book.table.GetEntry(50).word, "new0");
}

TEST_F(WordTableTest, EmptyAndMissingFilesAreEmptyBooks) {
  Load(Book(5));
  Load("");
  EXPECT_EQ(book.table.title, "");
  EXPECT_EQ(book.table.GetCount(), 0);
  EXPECT_FALSE(book.table.loaded);

  const std::string missing = dir.File("missing.txt");
  book.table.LoadFile(missing);
  EXPECT_EQ(book.table.GetCount(), 0);
  EXPECT_EQ(test::ReadBytes(missing), "");  // created, empty
  EXPECT_TRUE(book.notices.empty());
}

TEST_F(WordTableTest, FailedOpenReportsOnceAndKeepsThePreviousBook) {
  Load("Old\r\n@a\r\nA\r\n@b\r\nB\r\n");
  book.table.LoadFile(dir.File("no-such-folder\\book.txt"));
  ASSERT_EQ(book.notices.size(), 1u);
  EXPECT_EQ(book.notices[0], "不能打开单词本");
  EXPECT_EQ(book.table.title, "Old");
  EXPECT_EQ(book.table.GetCount(), 2);
  EXPECT_TRUE(book.table.loaded);
  EXPECT_EQ(book.table.GetEntry(1).meaning, "B");
}

TEST(WordTable, NewTableIsEmpty) {
  CWordTable table;
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_FALSE(table.loaded);
  EXPECT_EQ(table.title, "");
  WordEntry e = table.GetEntry(5);
  EXPECT_EQ(e.number, 0);
  EXPECT_EQ(e.word, "");
}

}  // namespace
}  // namespace vodari
