// Checks a GBK word book against the way Vodari reads it.
//
// ReadBookLayout reads the bytes with the program's own reader and records
// every piece it yields with the physical line it came from, so each finding
// of CheckBook can name the line it is about.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "books/book_reader.h"

namespace vodari::book_checker {

struct BookEntry {
  std::string word;     // as stored: cut to the program's maximum length
  std::string meaning;  // as stored
  LinePiece wordPiece;  // the whole "@word" piece, before the cut
  LinePiece meaningPiece;
};

struct PhysicalLine {
  std::string_view bytes;  // without its line end
  enum class End { kCrLf, kLf, kNone } end = End::kNone;
};

struct BookLayout {
  std::string title;
  std::vector<BookEntry> entries;  // what the program loads
  int ignoredEntries = 0;          // entries past the capacity, which it ignores
  int firstIgnoredEntryLine = 0;
  std::vector<LinePiece> skipped;  // pieces read that are neither word nor meaning
  std::vector<PhysicalLine> lines;
};

// The book as the program loads it. `bytes` must outlive the result.
BookLayout ReadBookLayout(std::string_view bytes);

// The width of an answer line of the test, in columns (an ASCII byte is one
// column, a GBK double-byte character two), counted from the main dialog
// template and its font, the same at every DPI:
// - the answer edits (IDC_MEANING_A..D of IDD_MAIN) are 219 dialog units
//   wide, without border;
// - the dialog font is 宋体 (SimSun) 12 pt; a horizontal dialog unit is a
//   quarter of the font's average character width, and SimSun's average
//   character is an ASCII one, half an em: one column is 4 dialog units;
// - an edit takes its margins from its font, half an average character on
//   each side of a TrueType font: 2 dialog units each.
// So 219 - 2 * 2 = 215 units hold 53 whole columns, 26 Chinese characters.
inline constexpr int kAnswerEditWidthDlu = 219;
inline constexpr int kDluPerColumn = 4;
inline constexpr int kEditMarginDlu = 2;
inline constexpr int kAnswerLineColumns =
    (kAnswerEditWidthDlu - 2 * kEditMarginDlu) / kDluPerColumn;

enum class Severity { kError, kWarning };

struct Finding {
  int line = 0;  // 0: about the whole file
  Severity severity = Severity::kError;
  std::string message;
};

struct CheckOptions {
  bool allowEmpty = false;  // a book without entries is no error
  // Maps a line of the book to the line number to report (0 for "the whole
  // file"); used when the book was made from another file. Identity if unset.
  std::function<int(int)> reportedLine;
};

struct CheckResult {
  int entries = 0;
  std::string title;
  std::vector<Finding> findings;  // sorted by line, whole-file ones first
  int Errors() const;
  int Warnings() const;
};

CheckResult CheckBook(std::string_view bytes, const CheckOptions& options = {});

// "books/x.txt:12: error: ..." (no line number when the line is 0).
std::string FormatFinding(const std::string& file, const Finding& finding);

}  // namespace vodari::book_checker
