// Makes a GBK word book from a UTF-8 table of "word TAB meaning" lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book_checker/book_check.h"

namespace vodari::book_checker {

struct Conversion {
  std::string book;               // the GBK book; only to be written when Succeeded()
  std::vector<Finding> findings;  // line numbers are those of the table
  int entries = 0;
  bool Succeeded() const;
};

// Converts `table` (UTF-8, an optional byte order mark, CR LF or LF line
// ends, blank lines skipped) into a book titled `title` (UTF-8): the title
// line, then "@word" and meaning lines, all ending in CR LF. A character
// that GBK cannot hold, a line without exactly one tab or an empty word is
// an error, never dropped; the finished book is then checked like any other,
// so a word the program would cut or a duplicate fails the conversion too.
Conversion ConvertTable(std::string_view table, std::string_view title);

}  // namespace vodari::book_checker
