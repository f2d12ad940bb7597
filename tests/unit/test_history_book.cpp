#include "books/history_book.h"

#include <gtest/gtest.h>

#include <string>

#include "books/word_table.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;

class HistoryBookTest : public ::testing::Test {
 protected:
  test::TempFolder dir;
  const std::string path = dir.File("重点单词记录.txt");
};

TEST_F(HistoryBookTest, RecordsGoOnDiskAfterTheTitleRunAfterRunAndAfterAClear) {
  ClearHistoryBook(path, kMissedWordsBookTitle);
  {
    HistoryStream first;
    first.Open(path);
    AppendHistoryRecord(first, "cat", "猫");
    EXPECT_EQ(ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n");  // on disk before Close
    AppendHistoryRecord(first, "give up", "");
  }
  HistoryStream second;
  second.Open(path);  // opening never truncates
  AppendHistoryRecord(second, "dog", "狗");
  EXPECT_EQ(ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n@give up\r\n\r\n@dog\r\n狗\r\n");
  CWordTable table;  // a reader while the stream is open sees every record
  table.LoadFile(path);
  EXPECT_EQ(table.GetCount(), 3);

  ClearHistoryBook(path, kRecitedWordsBookTitle);  // through another handle
  AppendHistoryRecord(second, "c", "C");
  EXPECT_EQ(ReadBytes(path), "曾经背记过的单词\r\n@c\r\nC\r\n");
}

TEST_F(HistoryBookTest, FailuresAreSilentAndFinal) {
  const std::string unreachable = dir.File("later\\book.txt");
  HistoryStream stream;
  stream.Open(unreachable);
  EXPECT_TRUE(stream.Failed());
  AppendHistoryRecord(stream, "cat", "猫");
  ClearHistoryBook(unreachable, "t");
  EXPECT_FALSE(test::FileExists(unreachable));

  HistoryStream closed;
  closed.Open(path);
  closed.Close();
  AppendHistoryRecord(closed, "cat", "猫");
  EXPECT_EQ(ReadBytes(path), "");  // created by opening, without a title line
}

}  // namespace
}  // namespace vodari
