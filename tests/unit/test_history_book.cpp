#include <gtest/gtest.h>

#include <string>

#include "books/history_book.h"
#include "books/word_table.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class HistoryBookTest : public ::testing::Test {
 protected:
  TempFolder dir;
  const std::string path = dir.File("重点单词记录.txt");
};

TEST_F(HistoryBookTest, RecordsHaveExactBytesAfterTheTitle) {
  ClearHistoryBook(path, kMissedWordsBookTitle);
  EXPECT_EQ(ReadBytes(path).size(), 14u);

  HistoryStream stream;
  stream.Open(path);
  ASSERT_FALSE(stream.Failed());
  AppendHistoryRecord(stream, "cat", "猫");
  EXPECT_EQ(ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n");  // on disk before Close
  AppendHistoryRecord(stream, "give up", "");
  EXPECT_EQ(ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n@give up\r\n\r\n");
}

TEST_F(HistoryBookTest, ClearThroughAnotherHandleThenNextRecordFollowsTheTitle) {
  HistoryStream stream;
  stream.Open(path);
  AppendHistoryRecord(stream, "a", "A");
  AppendHistoryRecord(stream, "b", "B");
  ClearHistoryBook(path, "曾经背记过的单词");
  EXPECT_EQ(ReadBytes(path).size(), 18u);
  AppendHistoryRecord(stream, "c", "C");
  EXPECT_EQ(ReadBytes(path), "曾经背记过的单词\r\n@c\r\nC\r\n");
}

TEST_F(HistoryBookTest, ReaderSeesEveryRecordWhileTheStreamIsOpen) {
  ClearHistoryBook(path, kMissedWordsBookTitle);
  HistoryStream stream;
  stream.Open(path);
  for (int i = 0; i < 50; ++i) AppendHistoryRecord(stream, "w" + std::to_string(i), "意思");
  CWordTable table;
  table.LoadFile(path);
  EXPECT_EQ(table.title, kMissedWordsBookTitle);
  ASSERT_EQ(table.GetCount(), 50);
  EXPECT_EQ(table.GetEntry(49).word, "w49");
  EXPECT_EQ(table.GetEntry(49).meaning, "意思");
}

TEST_F(HistoryBookTest, MissingBookIsCreatedEmptyAndItsFirstRecordIsNotLost) {
  HistoryStream stream;
  stream.Open(path);
  EXPECT_EQ(ReadBytes(path), "");  // no title line is written
  AppendHistoryRecord(stream, "cat", "猫");
  CWordTable table;
  table.LoadFile(path);
  EXPECT_EQ(table.title, "@cat");
  ASSERT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.GetEntry(0).meaning, "猫");
}

TEST_F(HistoryBookTest, RecordsOfTwoRunsFollowEachOther) {
  ClearHistoryBook(path, kMissedWordsBookTitle);
  {
    HistoryStream first;
    first.Open(path);
    AppendHistoryRecord(first, "one", "1");
    AppendHistoryRecord(first, "two", "2");
    first.Close();
  }
  HistoryStream second;
  second.Open(path);  // opening never truncates
  AppendHistoryRecord(second, "three", "3");
  EXPECT_EQ(ReadBytes(path), "重点单词记录\r\n@one\r\n1\r\n@two\r\n2\r\n@three\r\n3\r\n");
}

TEST_F(HistoryBookTest, FailedStreamStaysFailedAndDropsRecords) {
  const std::string unreachable = dir.File("later\\book.txt");
  HistoryStream stream;
  stream.Open(unreachable);
  EXPECT_TRUE(stream.Failed());
  AppendHistoryRecord(stream, "cat", "猫");  // silent
  EXPECT_FALSE(test::FileExists(unreachable));

  HistoryStream closed;
  closed.Open(path);
  closed.Close();
  AppendHistoryRecord(closed, "cat", "猫");
  EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(HistoryBookTest, ClearCreatesAMissingBookAndIgnoresAMissingFolder) {
  ClearHistoryBook(path, kRecitedWordsBookTitle);
  EXPECT_EQ(ReadBytes(path), "曾经背记过的单词\r\n");
  ClearHistoryBook(dir.File("nowhere\\x.txt"), "t");  // nothing happens, nothing thrown
  EXPECT_FALSE(test::FileExists(dir.File("nowhere\\x.txt")));
}

}  // namespace
}  // namespace vodari
