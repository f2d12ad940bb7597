#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "book_checker/book_check.h"

namespace vodari::book_checker {
namespace {

using namespace std::string_literals;

constexpr Severity E = Severity::kError;
constexpr Severity W = Severity::kWarning;

// Every finding of each book, in order; `text` is a part of the message.
TEST(CheckBook, ReportsExactlyTheExpectedFindings) {
  struct Expected {
    int line;
    Severity severity;
    std::string text;
  };
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<Expected> expected;
    bool allowEmpty = false;
  };
  const std::string x1030(1030, 'x');
  const std::string han25 = "一二三四五六七八九十一二三四五六七八九十一二三四五";
  // clang-format off
  const Case cases[] = {
      {"clean", "书名\r\n@apple\r\n苹果\r\n@Book\r\n书\r\n@cat\r\n猫\r\n", {}},
      {"byte 80", "t\r\n@apple\r\nap\x80ple\r\n", {{3, E, "byte 0x80 at column 3 is not valid GBK"}}},
      {"lead at line end", "t\r\n@apple\r\n苹\xB9\r\n",
       {{3, E, "byte 0xB9 at column 3 starts a GBK character, but the line ends"}}},
      {"utf8", u8"标题\r\n@apple\r\n苹果\r\n", {{0, E, "looks like UTF-8"}}},
      {"long words", "t\r\n@" + std::string(53, 'a') + "\r\nm\r\n@" + std::string(48, 'b') + "苹\r\nm\r\n",
       {{2, E, "word is 53 bytes; the program keeps the first 49: \"aaaa"},
        {4, E, "\\xC6\" (cutting a character in half)"}}},
      {"word line last", "t\r\n@a\r\nm\r\n@b\r\n", {{4, E, "word \"b\" has no meaning line: it is the last line"}}},
      {"word after word", "t\r\n@a\r\n@b\r\nm\r\n",
       {{2, E, "the next line \"@b\" at line 3 is a word line"}, {4, W, "\"m\" is ignored"}}},
      {"empty word", "t\r\n@b\r\nm\r\n@\r\nm\r\n@c\r\nm\r\n", {{4, E, "empty word"}}},
      {"duplicate", "t\r\n@a\r\nm\r\n@b\r\nm\r\n@a\r\nm\r\n",
       {{6, E, "duplicate word \"a\", first at line 2"}, {6, W, "\"a\" comes after \"b\" at line 4; 1 entry"}}},
      {"case folded", "t\r\n@Apple\r\nm\r\n@apple\r\nm\r\n@Banana\r\nm\r\n",
       {{4, W, "\"apple\" differs only in letter case from \"Apple\" at line 2"}}},
      {"order", "t\r\n@b\r\nm\r\n@a\r\nm\r\n@c\r\nm\r\n@ab\r\nm\r\n",
       {{4, W, "\"a\" comes after \"b\" at line 2; 2 entries"}}},
      {"no entries", "t\r\nsome text\r\n", {{0, E, "book has no entries"}, {2, W, "line \"some text\" is ignored"}}},
      {"title only allowed", "重点单词记录\r\n", {}, true},
      {"single word line", "@cat", {{0, E, "read as the title only"}, {1, W, "no line end"}}},
      {"ignored lines", "t\r\n\r\n@a\r\nm\r\nnote\r\n @b\r\nm\r\n＠c\r\nm\r\n",
       {{2, W, "blank line"}, {5, W, "\"note\" is ignored"}, {6, W, "blank before the \"@\""},
        {7, W, "\"m\" is ignored"}, {8, W, "full-width"}, {9, W, "\"m\" is ignored"}}},
      {"lone lf", "t\n@a\r\nm\n", {{1, W, "2 lines end with a lone LF"}}},
      {"blanks in words", "t\r\n@ cat\r\nm\r\n@dog \r\nm\r\n",
       {{2, W, "\" cat\" starts with a blank"}, {4, W, "\"dog \" ends with a blank"}}},
      {"empty meaning", "t\r\n@a\r\n\r\n", {{3, W, "empty meaning of the word \"a\""}}},
      // 3 + 2 * 25 columns fit, 4 + 2 * 25 do not.
      {"wide meaning", "t\r\n@a\r\nn. " + han25 + "\r\n@b\r\nvt. " + han25 + "\r\n",
       {{5, W, "meaning of \"b\" is 54 columns wide (a Chinese character is 2); "
               "an answer line of the test shows 53"}}},
      {"long meaning", "t\r\n@a\r\n" + x1030 + "\r\n", {{3, E, "meaning is 1030 bytes; the program keeps the first 1023 and"}}},
      {"long meaning, rest is a word", "t\r\n@a\r\n" + std::string(1023, 'x') + "@b\r\nm\r\n",
       {{3, E, "meaning is 1025 bytes"}, {3, E, "after byte 1023 starts with \"@\""}}},
      {"long word line", "t\r\n@" + x1030 + "\r\nm\r\n",
       {{2, E, "line is 1031 bytes; the program reads at most 1023 bytes at a time, "
               "so it reads this line as 2 lines"},
        {2, E, "word is 1030 bytes"}, {2, E, "takes the rest of it as the meaning"}, {3, W, "\"m\" is ignored"}}},
      {"nul byte", "t\r\n@a\r\nm\0x\r\n"s, {{3, E, "NUL byte at column 2"}}},
      {"stray cr", "t\r\n@a\r\r\nm\r\n", {{2, W, "carriage return (CR) at column 3"}}},
      {"title is a word", "@a\r\nm\r\n", {{1, W, "title line starts with \"@\""}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    CheckOptions options;
    options.allowEmpty = c.allowEmpty;
    const CheckResult result = CheckBook(c.bytes, options);
    std::string all;
    for (const Finding& f : result.findings) all += FormatFinding("book", f) + "\n";
    EXPECT_EQ(result.findings.size(), c.expected.size()) << c.name << ":\n" << all;
    for (std::size_t i = 0; i < std::min(c.expected.size(), result.findings.size()); ++i) {
      const Finding& found = result.findings[i];
      const Expected& e = c.expected[i];
      EXPECT_TRUE(found.line == e.line && found.severity == e.severity &&
                  found.message.find(e.text) != std::string::npos)
          << c.name << ": wanted " << e.line << " \"" << e.text << "\" in:\n"
          << all;
    }
  }
}

// The answer line's width is counted from these figures of the main dialog
// template: answer edits 219 dialog units wide without border, font 宋体 12 pt.
TEST(CheckBook, AnswerLineWidthMatchesTheMainDialogTemplate) {
  std::ifstream rc(VODARI_MAIN_RC);
  ASSERT_TRUE(rc);
  std::string line;
  while (std::getline(rc, line) && line.rfind("IDD_MAIN ", 0) != 0) {
  }
  int answerEdits = 0;
  bool font = false;
  while (std::getline(rc, line) && line != "END") {
    font = font || line == u8"FONT 12, \"宋体\", 0, 0, 0x86";
    int x = 0, y = 0, width = 0;
    char id = 0;
    if (std::sscanf(line.c_str(), " EDITTEXT IDC_MEANING_%c, %d, %d, %d", &id, &x, &y, &width) ==
        4) {
      ++answerEdits;
      EXPECT_EQ(width, kAnswerEditWidthDlu) << line;
      EXPECT_NE(line.find("NOT WS_BORDER"), std::string::npos) << line;
    }
  }
  EXPECT_TRUE(font);
  EXPECT_EQ(answerEdits, 4);
}

TEST(CheckBook, ReportsEntriesPastTheCapacity) {
  std::string book = "t\r\n";
  for (int i = 0; i < 7002; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "w%05d", i);  // keeps the book in order
    book += "@" + std::string(word) + "\r\nm\r\n";
  }
  const CheckResult result = CheckBook(book);
  EXPECT_EQ(result.entries, 7000);
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].line, 2 + 2 * 7000);
  EXPECT_NE(result.findings[0].message.find("ignores the 2 from here on"), std::string::npos);
}

TEST(CheckBook, CapsByteErrorsAndCountsTheRest) {
  const CheckResult result = CheckBook("t\r\n@a\r\n" + std::string(25, '\x80') + "\r\n");
  ASSERT_EQ(result.Errors(), 21);
  EXPECT_NE(result.findings.back().message.find("5 more bytes"), std::string::npos);
}

}  // namespace
}  // namespace vodari::book_checker
