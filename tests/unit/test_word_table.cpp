#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "books/word_table.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using namespace std::string_literals;

using Entries = std::vector<std::pair<std::string, std::string>>;

class WordTableTest : public ::testing::Test {
 protected:
  void Load(const std::string& bytes) {
    test::WriteBytes(dir.File("book.txt"), bytes);
    table.LoadFile(dir.File("book.txt"));
  }
  Entries Loaded() const {
    Entries entries;
    for (int i = 0; i < table.GetCount(); ++i) {
      EXPECT_EQ(table.GetEntry(i).number, i);
      entries.emplace_back(table.GetEntry(i).word, table.GetEntry(i).meaning);
    }
    return entries;
  }
  test::TempFolder dir;
  std::vector<std::string> notices;
  CWordTable table{[this](const std::string& text) { notices.push_back(text); }};
};

TEST_F(WordTableTest, ReadsBooksByTheFormatRules) {
  const std::string x1022(1022, 'x'), m1023(1023, 'm');
  const struct {
    const char* name;
    std::string bytes;
    std::string title;
    Entries entries;
  } cases[] = {
      {"crlf", "初中英语\r\n@apple\r\n苹果\r\n@book\r\n书\r\n", "初中英语",
       {{"apple", "苹果"}, {"book", "书"}}},
      {"lone lf, no final end", "t\n@apple\n苹果\n@book\n书", "t", {{"apple", "苹果"}, {"book", "书"}}},
      {"title is entry 0", "@cat\r\n猫\r\n@dog\r\n狗\r\n", "@cat", {{"cat", "猫"}, {"dog", "狗"}}},
      {"meaning taken whole", "t\r\n@a\r\n@b\r\nx\r\n", "t", {{"a", "@b"}}},
      {"last word line", "t\r\n@a\r\nA\r\n@last", "t", {{"a", "A"}, {"last", ""}}},
      {"word cut, not trimmed", "t\r\n@" + std::string(60, 'w') + "\r\nm\r\n@ a b  \r\nm\r\n", "t",
       {{std::string(49, 'w'), "m"}, {" a b  ", "m"}}},
      {"long lines in pieces", "t\r\n@a\r\n" + m1023 + "rest\r\n@b\r\n" + m1023 + "@c\r\nC\r\n", "t",
       {{"a", m1023}, {"b", m1023}, {"c", "C"}}},
      {"1023-byte line is one line", "t\r\n@" + x1022 + "\r\n意思\r\n", "t",
       {{x1022.substr(0, 49), "意思"}}},
      {"only line of 1023 bytes", "@" + x1022, "@" + x1022, {}},
      {"cr lf after 1022 bytes", "t\r\n@a\r\n" + x1022 + "\r\n@b\r\nB\r\n", "t",
       {{"a", x1022}, {"b", "B"}}},
      {"lone cr kept, nul ends", "t\r\n@c\ra\0t\r\nm\0x\r\n"s, "t", {{"c\ra", "m"}}},
      {"title cut", std::string(1500, 'T') + "\r\n@a\r\nA\r\n", std::string(1023, 'T'),
       {{"a", "A"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(c.bytes);
    EXPECT_EQ(table.title, c.title);
    EXPECT_EQ(Loaded(), c.entries);
    EXPECT_EQ(table.loaded, !c.entries.empty());
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(WordTableTest, KeepsTheFirst7000EntriesAndGivesEntryZeroOutsideThem) {
  test::WriteBook(dir.File("big.txt"), 7005, "w");  // larger than one read of the file
  table.LoadFile(dir.File("big.txt"));
  ASSERT_EQ(table.GetCount(), 7000);
  EXPECT_EQ(table.GetEntry(6999).meaning, "w6999 的意思");
  test::WriteBook(dir.File("small.txt"), 10, "new");
  table.LoadFile(dir.File("small.txt"));
  for (int index : {10, 50, -1, 100000}) EXPECT_EQ(table.GetEntry(index).word, "new00") << index;
}

TEST_F(WordTableTest, MissingFileIsCreatedEmptyAndUnopenableOneKeepsTheBook) {
  table.LoadFile(dir.File("missing.txt"));
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_EQ(test::ReadBytes(dir.File("missing.txt")), "");

  Load("Old\r\n@a\r\nA\r\n@b\r\nB\r\n");
  table.LoadFile(dir.File("no-such-folder\\book.txt"));
  EXPECT_EQ(notices, std::vector<std::string>{"不能打开单词本"});
  EXPECT_EQ(table.title, "Old");
  EXPECT_EQ(Loaded(), (Entries{{"a", "A"}, {"b", "B"}}));
}

}  // namespace
}  // namespace vodari
