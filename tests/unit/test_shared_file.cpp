#include <gtest/gtest.h>

#include <string>

#include "books/shared_file.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using test::ReadBytes;
using test::TempFolder;

std::string ReadAll(SharedFile& file) {
  std::string out;
  char buffer[7];  // small, so reads really come in several pieces
  long got;
  while ((got = file.ReadSome(buffer, sizeof buffer)) > 0) out.append(buffer, got);
  return out;
}

TEST(SharedFile, ReaderAppenderAndClearOnOneFileAtOnce) {
  TempFolder dir;
  // "俓" has 0x5C ('\') as its second GBK byte: it must not split the path
  // where a backslash is a folder separator for the program.
  const std::string path = dir.File("俓单词本.txt");
  test::WriteBytes(path, "title\r\n@a\r\nA\r\n");

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

}  // namespace
}  // namespace vodari
