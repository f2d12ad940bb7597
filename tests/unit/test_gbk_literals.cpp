// The program's text is GBK: string literals must be compiled to GBK bytes,
// or every message, file name and comparison in the program is wrong.
#include <gtest/gtest.h>

#include <string>

TEST(GbkLiterals, ChineseTextAndFullWidthPunctuationAreGbkBytes) {
  const std::string text = "不能打开单词本";
  const std::string gbk = "\xB2\xBB\xC4\xDC\xB4\xF2\xBF\xAA\xB5\xA5\xB4\xCA\xB1\xBE";
  EXPECT_EQ(text, gbk);
  // Full-width quotation marks appear in the program's messages.
  EXPECT_EQ(std::string("＂"), "\xA3\xA2");
  EXPECT_EQ(std::string("“"), "\xA1\xB0");
}
