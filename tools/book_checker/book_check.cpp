#include "book_checker/book_check.h"

#include <algorithm>
#include <climits>
#include <map>

#include "book_checker/text_encoding.h"
#include "books/gbk.h"

namespace vodari::book_checker {
namespace {

constexpr std::size_t kPiece = kLinePieceBytes;
constexpr std::size_t kMaxWord = kMaxWordBytes;
constexpr std::size_t kCapacity = kBookCapacity;
constexpr int kMaxByteErrors = 20;  // per file; the rest are counted in one finding

std::vector<PhysicalLine> SplitLines(std::string_view bytes) {
  std::vector<PhysicalLine> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) {
      if (start < bytes.size()) lines.push_back({bytes.substr(start), PhysicalLine::End::kNone});
      return lines;
    }
    std::size_t end = lf;
    PhysicalLine::End kind = PhysicalLine::End::kLf;
    if (end > start && bytes[end - 1] == '\r') {
      --end;
      kind = PhysicalLine::End::kCrLf;
    }
    lines.push_back({bytes.substr(start, end - start), kind});
    start = lf + 1;
  }
}

// The program keeps its lines as C strings: a NUL byte ends them.
std::string CutAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// True when cutting `text` after `length` bytes splits a GBK character.
bool CutsCharacter(std::string_view text, std::size_t length) {
  std::size_t pos = 0;
  while (pos < length && pos < text.size())
    pos += std::max<std::size_t>(1, GbkCharLength(text, pos));
  return pos > length;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Quoted(std::string_view gbk, std::size_t maxBytes = 60) {
  return "\"" + ForDisplay(gbk, maxBytes) + "\"";
}

std::string Hex(unsigned char c) {
  static const char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[c >> 4] + kDigits[c & 15];
}

// Collects findings, mapping line numbers as the options ask.
class Report {
 public:
  Report(const CheckOptions& options, std::vector<Finding>* findings)
      : options_(options), findings_(findings) {}
  int Line(int line) const { return options_.reportedLine ? options_.reportedLine(line) : line; }
  // " at line N", or "" when the line maps to no line of its own.
  std::string AtLine(int line) const {
    const int mapped = Line(line);
    return mapped > 0 ? " at line " + std::to_string(mapped) : "";
  }
  void Error(int line, std::string message) { Add(line, Severity::kError, std::move(message)); }
  void Warning(int line, std::string message) { Add(line, Severity::kWarning, std::move(message)); }

 private:
  void Add(int line, Severity severity, std::string message) {
    findings_->push_back({line == 0 ? 0 : Line(line), severity, std::move(message)});
  }
  const CheckOptions& options_;
  std::vector<Finding>* findings_;
};

void CheckBytes(const std::vector<PhysicalLine>& lines, Report& report) {
  int reported = 0;
  int unreported = 0;
  int firstUnreportedLine = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::string_view bytes = lines[i].bytes;
    for (std::size_t pos = 0; pos < bytes.size();) {
      const unsigned char c = static_cast<unsigned char>(bytes[pos]);
      const std::string column = std::to_string(pos + 1);
      const std::size_t length = GbkCharLength(bytes, pos);
      if (c == 0) {
        report.Error(number, "NUL byte at column " + column + "; the program ends the line there");
      } else if (c == '\r') {
        report.Warning(number, "carriage return (CR) at column " + column +
                                   " without a line feed after it; the program keeps it as part "
                                   "of the line");
      } else if (length == 0 && reported == kMaxByteErrors) {
        if (unreported++ == 0) firstUnreportedLine = number;
      } else if (length == 0) {
        ++reported;
        std::string message = "byte " + Hex(c) + " at column " + column + " is not valid GBK";
        if (c != 0x80 && c != 0xFF) {
          message = pos + 1 < bytes.size()
                        ? "byte " + Hex(c) + " at column " + column +
                              " starts a GBK character, but the byte after it, " +
                              Hex(static_cast<unsigned char>(bytes[pos + 1])) + ", cannot end one"
                        : "byte " + Hex(c) + " at column " + column +
                              " starts a GBK character, but the line ends there";
        }
        report.Error(number, message);
      }
      pos += length == 0 ? 1 : length;
    }
  }
  if (unreported > 0) {
    report.Error(firstUnreportedLine,
                 std::to_string(unreported) + " more bytes that are not valid GBK from here on");
  }
}

void CheckLineEnds(const std::vector<PhysicalLine>& lines, Report& report) {
  int loneLf = 0;
  int firstLoneLf = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].end == PhysicalLine::End::kLf && loneLf++ == 0)
      firstLoneLf = static_cast<int>(i) + 1;
  }
  if (loneLf > 0) {
    report.Warning(firstLoneLf, std::to_string(loneLf) +
                                    (loneLf == 1 ? " line ends" : " lines end") +
                                    " with a lone LF instead of CR LF (the first one here)");
  }
  if (!lines.empty() && lines.back().end == PhysicalLine::End::kNone) {
    report.Warning(static_cast<int>(lines.size()), "the last line has no line end (CR LF)");
  }
}

void CheckLineLengths(const BookLayout& layout, Report& report) {
  // The entry whose meaning each line is, by line number.
  std::vector<const BookEntry*> meaningOf(layout.lines.size() + 2, nullptr);
  for (const BookEntry& entry : layout.entries) {
    if (entry.meaningPiece.column == 0 && !entry.meaningPiece.nothing)
      meaningOf[static_cast<std::size_t>(entry.meaningPiece.line)] = &entry;
  }
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const std::string_view bytes = layout.lines[i].bytes;
    const int number = static_cast<int>(i) + 1;
    const BookEntry* entry = meaningOf[i + 1];
    // A GBK double-byte character is two columns wide as it is two bytes
    // long: the width in columns is the length in bytes.
    if (entry && bytes.size() <= kPiece &&
        bytes.size() > static_cast<std::size_t>(kAnswerLineColumns)) {
      report.Warning(number, "meaning of " + Quoted(entry->word) + " is " +
                                 std::to_string(bytes.size()) +
                                 " columns wide (a Chinese character is 2); an answer line of "
                                 "the test shows " +
                                 std::to_string(kAnswerLineColumns) + ", the rest is cut off");
    }
    if (bytes.size() <= kPiece) continue;
    const std::string size = std::to_string(bytes.size());
    const std::string halved = CutsCharacter(bytes, kPiece) ? " (cutting a character in half)" : "";
    if (entry) {
      report.Error(number, "meaning is " + size + " bytes; the program keeps the first " +
                               std::to_string(kPiece) + halved +
                               " and reads the rest as another line");
    } else {
      const std::size_t parts = (bytes.size() + kPiece - 1) / kPiece;
      report.Error(number, "line is " + size + " bytes; the program reads at most " +
                               std::to_string(kPiece) + " bytes at a time" + halved +
                               ", so it reads this line as " + std::to_string(parts) + " lines");
    }
  }
}

// `lineBytes` is the physical line the word line starts in.
void CheckEntry(const BookEntry& entry, std::string_view lineBytes, bool first, Report& report) {
  const LinePiece& wordPiece = entry.wordPiece;
  const int line = wordPiece.line;
  // The word as written runs to the end of the line, even when the program
  // reads only a piece of it.
  const std::string raw = CutAtNul(lineBytes.substr(wordPiece.column + 1));
  const std::string word = Quoted(entry.word);
  if (wordPiece.column > 0) {
    report.Error(line, "the part of this line after byte " + std::to_string(wordPiece.column) +
                           " starts with \"@\", so the program reads it as the word " + word);
  } else if (first && line == 1) {
    report.Warning(
        line, "the title line starts with \"@\", so the program also reads it as the word " + word);
  }
  if (raw.empty()) {
    report.Error(line, "empty word (\"@\" alone)");
  } else if (raw.size() > kMaxWord) {
    report.Error(line, "word is " + std::to_string(raw.size()) +
                           " bytes; the program keeps the first " + std::to_string(kMaxWord) +
                           ": " + Quoted(entry.word, kMaxWord) +
                           (CutsCharacter(raw, kMaxWord) ? " (cutting a character in half)" : ""));
  }
  if (!entry.word.empty() && IsBlank(entry.word.front())) {
    report.Warning(line, "word " + word + " starts with a blank, which belongs to the word");
  }
  if (!entry.word.empty() && IsBlank(entry.word.back())) {
    report.Warning(line, "word " + word + " ends with a blank, which belongs to the word");
  }

  const LinePiece& meaning = entry.meaningPiece;
  if (meaning.nothing) {
    report.Error(line, "word " + word + " has no meaning line: it is the last line of the file");
  } else if (meaning.line == line) {
    report.Error(line, "word line is longer than " + std::to_string(kPiece) +
                           " bytes, so the program takes the rest of it as the meaning of " + word +
                           " and the next line is not read as the meaning");
  } else if (meaning.IsWordLine()) {
    report.Error(line, "word " + word + " has no meaning line: the next line " +
                           Quoted(meaning.text, 40) + report.AtLine(meaning.line) +
                           " is a word line, which the program would take as the meaning of " +
                           word + " instead of as a word");
  } else if (meaning.text.empty()) {
    report.Warning(meaning.line, "empty meaning of the word " + word);
  }
}

void CheckSkippedLines(const BookLayout& layout, Report& report) {
  for (const LinePiece& piece : layout.skipped) {
    // Line 1 is the title; later pieces of an over-long line are reported
    // with its length.
    if (piece.line == 1 || piece.column > 0 || piece.nothing) continue;
    const std::string_view line = piece.text;
    if (line.empty()) {
      report.Warning(piece.line, "blank line; the program ignores it");
      continue;
    }
    std::string hint;
    const std::size_t text = line.find_first_not_of(" \t");
    if (text != std::string::npos && text > 0 && line[text] == '@') {
      hint = " (there is a blank before the \"@\")";
    } else if (line.substr(0, 2) == "\xA3\xC0") {
      hint = " (it starts with a full-width \"@\"; a word line needs the ASCII one)";
    }
    report.Warning(piece.line, "line " + Quoted(line, 40) +
                                   " is ignored: it is no word line (\"@word\") and follows none" +
                                   hint);
  }
}

void CheckWordSet(const std::vector<BookEntry>& entries, Report& report) {
  std::map<std::string, std::size_t> firstExact;
  std::map<std::string, std::size_t> firstFolded;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& word = entries[i].word;
    if (word.empty()) continue;
    const int line = entries[i].wordPiece.line;
    const auto exact = firstExact.find(word);
    if (exact != firstExact.end()) {
      report.Error(line, "duplicate word " + Quoted(word) + ", first" +
                             report.AtLine(entries[exact->second].wordPiece.line));
      continue;
    }
    firstExact.emplace(word, i);
    const auto folded = firstFolded.emplace(GbkToLower(word), i);
    if (!folded.second) {
      const BookEntry& other = entries[folded.first->second];
      report.Warning(line, "word " + Quoted(word) + " differs only in letter case from " +
                               Quoted(other.word) + report.AtLine(other.wordPiece.line));
    }
  }

  // Each word is compared with the word before it; empty words, errors of
  // their own, take no part.
  int unordered = 0;
  const BookEntry* first = nullptr;
  const BookEntry* firstBefore = nullptr;
  const BookEntry* previous = nullptr;
  for (const BookEntry& entry : entries) {
    if (entry.word.empty()) continue;
    if (previous && GbkToLower(entry.word) < GbkToLower(previous->word) && unordered++ == 0) {
      first = &entry;
      firstBefore = previous;
    }
    previous = &entry;
  }
  if (unordered > 0) {
    report.Warning(
        first->wordPiece.line,
        "entries are not in alphabetical order: " + Quoted(first->word) + " comes after " +
            Quoted(firstBefore->word) + report.AtLine(firstBefore->wordPiece.line) + "; " +
            std::to_string(unordered) + (unordered == 1 ? " entry comes" : " entries come") +
            " after a word that sorts later");
  }
}

}  // namespace

BookLayout ReadBookLayout(std::string_view bytes) {
  // Reads with no capacity of its own, so that the entries the program
  // ignores past its capacity can be counted for the report.
  struct Recorder {
    BookLayout& layout;
    void Title(const LinePiece& piece) { layout.title = piece.text; }
    void Entry(int number, const LinePiece& word, const LinePiece& meaning) {
      if (static_cast<std::size_t>(number) < kCapacity) {
        layout.entries.push_back(
            {std::string(word.Word()), std::string(meaning.text), word, meaning});
      } else if (layout.ignoredEntries++ == 0) {
        layout.firstIgnoredEntryLine = word.line;
      }
    }
    void Other(const LinePiece& piece) {
      if (layout.entries.size() < kCapacity && !piece.nothing) layout.skipped.push_back(piece);
    }
  };
  BookLayout layout;
  layout.lines = SplitLines(bytes);
  Recorder recorder{layout};
  ReadBook(bytes, INT_MAX, recorder);
  return layout;
}

int CheckResult::Errors() const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
    return f.severity == Severity::kError;
  }));
}

int CheckResult::Warnings() const { return static_cast<int>(findings.size()) - Errors(); }

CheckResult CheckBook(std::string_view bytes, const CheckOptions& options) {
  CheckResult result;
  const BookLayout layout = ReadBookLayout(bytes);
  result.entries = static_cast<int>(layout.entries.size());
  result.title = layout.title;
  Report report(options, &result.findings);

  if (LooksLikeUtf8(bytes)) {
    const bool bom = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    report.Error(0, std::string("file looks like UTF-8 (") +
                        (bom ? "it starts with a UTF-8 byte order mark"
                             : "its non-ASCII text is valid UTF-8") +
                        "); save it as GBK/ANSI. Its other checks are skipped");
    return result;
  }

  CheckBytes(layout.lines, report);
  CheckLineEnds(layout.lines, report);
  CheckLineLengths(layout, report);
  for (std::size_t i = 0; i < layout.entries.size(); ++i) {
    const BookEntry& entry = layout.entries[i];
    CheckEntry(entry, layout.lines[static_cast<std::size_t>(entry.wordPiece.line) - 1].bytes,
               i == 0, report);
  }
  CheckSkippedLines(layout, report);
  CheckWordSet(layout.entries, report);
  if (layout.ignoredEntries > 0) {
    report.Error(layout.firstIgnoredEntryLine, "book has more than " + std::to_string(kCapacity) +
                                                   " entries; the program ignores the " +
                                                   std::to_string(layout.ignoredEntries) +
                                                   " from here on");
  }
  if (layout.entries.empty() && !options.allowEmpty) {
    std::string hint;
    if (layout.lines.size() == 1 && layout.lines[0].end == PhysicalLine::End::kNone &&
        layout.lines[0].bytes.substr(0, 1) == "@") {
      hint = " (a file of one line without line end is read as the title only)";
    }
    report.Error(0,
                 "book has no entries (a word line \"@word\" followed by its meaning line); "
                 "the program refuses it" +
                     hint);
  }

  std::stable_sort(result.findings.begin(), result.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return result;
}

std::string FormatFinding(const std::string& file, const Finding& finding) {
  std::string text = file;
  if (finding.line > 0) text += ":" + std::to_string(finding.line);
  text += finding.severity == Severity::kError ? ": error: " : ": warning: ";
  return text + finding.message;
}

}  // namespace vodari::book_checker
