#include <gtest/gtest.h>

#include <string>

#include "book_checker/convert.h"

namespace vodari::book_checker {
namespace {

std::string Messages(const Conversion& c) {
  std::string all;
  for (const Finding& f : c.findings) all += FormatFinding("table", f) + "\n";
  return all;
}

TEST(ConvertTable, MakesACrLfGbkBook) {
  const Conversion c = ConvertTable(
      u8"\xEF\xBB\xBF"
      u8"apple\t苹果\r\n\nbook\t书\nTom's cat\tn. 汤姆的猫",
      u8"我的词");
  EXPECT_TRUE(c.Succeeded()) << Messages(c);
  EXPECT_TRUE(c.findings.empty()) << Messages(c);
  EXPECT_EQ(c.entries, 3);
  EXPECT_EQ(c.book, "我的词\r\n@apple\r\n苹果\r\n@book\r\n书\r\n@Tom's cat\r\nn. 汤姆的猫\r\n");
}

TEST(ConvertTable, RefusesBadLinesWithTheirNumbers) {
  const Conversion c = ConvertTable(
      u8"apple\n"         // 1: no tab
      u8"a\tb\tc\n"       // 2: two tabs
      u8"\tmeaning\n"     // 3: no word
      u8"euro\t欧元€\n"   // 4: GBK has no euro sign
      u8"bad\tx\xFFy\n",  // 5: not UTF-8
      "t");
  EXPECT_FALSE(c.Succeeded());
  ASSERT_EQ(c.findings.size(), 5u) << Messages(c);
  EXPECT_EQ(c.findings[0].line, 1);
  EXPECT_NE(c.findings[0].message.find("has 0 tabs"), std::string::npos);
  EXPECT_NE(c.findings[1].message.find("has 2 tabs"), std::string::npos);
  EXPECT_EQ(c.findings[2].message, "empty word");
  EXPECT_EQ(c.findings[3].line, 4);
  EXPECT_EQ(c.findings[3].message,
            u8"character \"€\" (U+20AC) at column 8 cannot be written in GBK");
  EXPECT_EQ(c.findings[4].message, "byte 0xFF at column 6 is not valid UTF-8");
}

// The book's own checks run on the result; their findings name table lines
// (a blank table line has no book lines).
TEST(ConvertTable, ChecksTheBookAgainstTableLines) {
  const Conversion c = ConvertTable("pear\tp\n\napple\ta\npear\tq\n", "t");
  EXPECT_FALSE(c.Succeeded());
  ASSERT_EQ(c.findings.size(), 2u) << Messages(c);
  EXPECT_EQ(c.findings[0].line, 3);  // apple after pear: a warning only
  EXPECT_EQ(c.findings[1].line, 4);
  EXPECT_NE(c.findings[1].message.find("first at line 1"), std::string::npos);
}

TEST(ConvertTable, RefusesBadTitles) {
  const char* const titles[] = {"", "@words", "two\nlines", u8"€ words"};
  for (const char* title : titles) {
    const Conversion c = ConvertTable("a\tb\n", title);
    EXPECT_FALSE(c.Succeeded()) << title;
    ASSERT_FALSE(c.findings.empty());
    EXPECT_EQ(c.findings[0].line, 0);
  }
  EXPECT_FALSE(ConvertTable("", "t").Succeeded());  // no entries
}

}  // namespace
}  // namespace vodari::book_checker
