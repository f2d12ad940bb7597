#include <gtest/gtest.h>

#include <string>

#include "book_checker/text_encoding.h"

namespace vodari::book_checker {
namespace {

TEST(LooksLikeUtf8, TellsUtf8FromGbk) {
  EXPECT_TRUE(LooksLikeUtf8(u8"@apple\r\nn. 苹果\r\n"));
  EXPECT_TRUE(LooksLikeUtf8("\xEF\xBB\xBF@apple\r\n"));  // a byte order mark alone will do
  EXPECT_FALSE(LooksLikeUtf8("@apple\r\n苹果\r\n"));     // GBK
  // Valid as both: GBK 苹 is C6 BB, UTF-8 苹果 is E8 8B B9 E6 9E 9C.
  EXPECT_FALSE(LooksLikeUtf8("@apple\r\n苹\r\n"));
  EXPECT_FALSE(LooksLikeUtf8("@apple\r\napple\r\n"));  // ASCII is both
  EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF"));             // overlong
  EXPECT_FALSE(LooksLikeUtf8("\xED\xA0\x80"));         // a surrogate
}

TEST(ForDisplay, ConvertsGbkAndEscapesTheRest) {
  EXPECT_EQ(ForDisplay("苹果 apple"), u8"苹果 apple");
  EXPECT_EQ(ForDisplay("a\tb\r"), "a\\x09b\\x0D");
  EXPECT_EQ(ForDisplay("x\x80y\xB9"), "x\\x80y\\xB9");
  EXPECT_EQ(ForDisplay("abcdef", 4), "abcd...");
  EXPECT_EQ(ForDisplay("ab苹果", 3), "ab...");  // never half a character
}

TEST(Utf8ToGbk, ConvertsAndListsWhatGbkLacks) {
  std::string gbk;
  EXPECT_TRUE(Utf8ToGbk(u8"苹果 apple", &gbk).empty());
  EXPECT_EQ(gbk, "苹果 apple");

  const auto bad = Utf8ToGbk(u8"a€b😀c\xFF", &gbk);
  EXPECT_EQ(gbk, "abc");
  ASSERT_EQ(bad.size(), 3u);
  EXPECT_EQ(bad[0].offset, 1u);
  EXPECT_EQ(CodePointName(bad[0].character), "U+20AC");
  EXPECT_EQ(CodePointName(bad[1].character), "U+1F600");
  EXPECT_TRUE(bad[1].valid);
  EXPECT_FALSE(bad[2].valid);
}

}  // namespace
}  // namespace vodari::book_checker
