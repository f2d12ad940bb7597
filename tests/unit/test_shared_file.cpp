#include <gtest/gtest.h>

#include <string>

#include "books/shared_file.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string ReadAll(SharedFile& file) {
  std::string out;
  char buffer[7];  // small, so reads really come in several pieces
  long got;
  while ((got = file.ReadSome(buffer, sizeof buffer)) > 0) out.append(buffer, got);
  return out;
}

TEST(SharedFile, ReaderAppenderAndClearOnOneFileAtOnce) {
  TempFolder dir;
  const std::string path = dir.File("book.txt");
  WriteBytes(path, "title\r\n@a\r\nA\r\n");

  SharedFile appender, reader, clearer;
  ASSERT_TRUE(appender.OpenForAppending(path));
  ASSERT_TRUE(reader.OpenForReading(path));
  ASSERT_TRUE(clearer.OpenTruncated(path));  // all three open together
  EXPECT_EQ(ReadBytes(path), "");

  ASSERT_TRUE(clearer.WriteAll("T\r\n", 3));
  ASSERT_TRUE(appender.WriteAll("@b\r\n", 4));
  // The appender wrote at the new end, not at its old offset.
  EXPECT_EQ(ReadBytes(path), "T\r\n@b\r\n");
  EXPECT_EQ(ReadAll(reader), "T\r\n@b\r\n");
}

TEST(SharedFile, AppendNeverTruncatesAndFollowsTheEnd) {
  TempFolder dir;
  const std::string path = dir.File("h.txt");
  WriteBytes(path, "keep\r\n");
  SharedFile appender;
  ASSERT_TRUE(appender.OpenForAppending(path));
  ASSERT_TRUE(appender.WriteAll("one\r\n", 5));
  WriteBytes(path, "x\r\n");  // shortened through another handle
  ASSERT_TRUE(appender.WriteAll("two\r\n", 5));
  EXPECT_EQ(ReadBytes(path), "x\r\ntwo\r\n");
}

TEST(SharedFile, OpeningCreatesMissingFilesButNotFolders) {
  TempFolder dir;
  SharedFile file;
  EXPECT_TRUE(file.OpenForReading(dir.File("new.txt")));
  EXPECT_TRUE(test::FileExists(dir.File("new.txt")));
  EXPECT_FALSE(file.OpenForReading(dir.File("missing\\new.txt")));
  EXPECT_FALSE(file.OpenForAppending(dir.File("missing\\new.txt")));
  EXPECT_FALSE(file.OpenTruncated(dir.File("missing\\new.txt")));
  EXPECT_FALSE(file.IsOpen());
}

TEST(SharedFile, GbkFileNamesWork) {
  // "俓" has 0x5C ('\') as its second GBK byte: it must not split the path
  // where a backslash is a folder separator for the program but not for the
  // platform.
  TempFolder dir;
  const std::string path = dir.File("俓单词本.txt");
  SharedFile file;
  ASSERT_TRUE(file.OpenTruncated(path));
  ASSERT_TRUE(file.WriteAll("x", 1));
  file.Close();
  EXPECT_EQ(ReadBytes(path), "x");
}

}  // namespace
}  // namespace vodari
