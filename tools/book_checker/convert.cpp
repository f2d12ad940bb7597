#include "book_checker/convert.h"

#include <algorithm>

#include "book_checker/text_encoding.h"

namespace vodari::book_checker {
namespace {

// The 1-based character column of byte `offset` in the UTF-8 `line`.
std::size_t CharacterColumn(std::string_view line, std::size_t offset) {
  std::size_t column = 1;
  for (std::size_t i = 0; i < offset && i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
  }
  return column;
}

// Converts `text`, which starts at byte `offset` of `line`, and reports each
// character that cannot be converted. False when there was any.
bool ToGbk(std::string_view text, std::string_view line, std::size_t offset, int lineNumber,
           std::string* gbk, std::vector<Finding>* findings) {
  const std::vector<BadCharacter> bad = Utf8ToGbk(text, gbk);
  for (const BadCharacter& c : bad) {
    const std::string column = std::to_string(CharacterColumn(line, offset + c.offset));
    if (c.valid) {
      findings->push_back({lineNumber, Severity::kError,
                           "character \"" + c.character + "\" (" + CodePointName(c.character) +
                               ") at column " + column + " cannot be written in GBK"});
    } else {
      static const char kDigits[] = "0123456789ABCDEF";
      const unsigned char byte = static_cast<unsigned char>(c.character[0]);
      findings->push_back({lineNumber, Severity::kError,
                           std::string("byte 0x") + kDigits[byte >> 4] + kDigits[byte & 15] +
                               " at column " + column + " is not valid UTF-8"});
    }
  }
  return bad.empty();
}

}  // namespace

bool Conversion::Succeeded() const {
  return std::none_of(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.severity == Severity::kError; });
}

Conversion ConvertTable(std::string_view table, std::string_view title) {
  Conversion result;
  std::vector<Finding>& findings = result.findings;

  std::string titleGbk;
  if (title.empty()) {
    findings.push_back({0, Severity::kError, "the title is empty"});
  } else if (title.find_first_of("\r\n") != std::string_view::npos) {
    findings.push_back({0, Severity::kError, "the title must be a single line"});
  } else if (title[0] == '@') {
    findings.push_back(
        {0, Severity::kError, "the title starts with \"@\", so it would also be read as a word"});
  } else {
    std::vector<Finding> bad;
    ToGbk(title, title, 0, 0, &titleGbk, &bad);
    for (Finding& f : bad) f.message = "title: " + f.message;
    findings.insert(findings.end(), bad.begin(), bad.end());
  }

  if (table.substr(0, 3) == "\xEF\xBB\xBF") table.remove_prefix(3);
  std::string book = titleGbk + "\r\n";
  std::vector<int> entryLines;  // the table line of each entry
  int number = 0;
  for (std::size_t start = 0; start < table.size();) {
    std::size_t end = table.find('\n', start);
    if (end == std::string_view::npos) end = table.size();
    std::string_view line = table.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;

    const std::size_t tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
    if (tabs != 1) {
      findings.push_back({number, Severity::kError,
                          "expected \"word<TAB>meaning\", but the line has " +
                              std::to_string(tabs) + (tabs == 1 ? " tab" : " tabs")});
      continue;
    }
    const std::size_t tab = line.find('\t');
    if (tab == 0) {
      findings.push_back({number, Severity::kError, "empty word"});
      continue;
    }
    std::string word;
    std::string meaning;
    const bool wordOk = ToGbk(line.substr(0, tab), line, 0, number, &word, &findings);
    const bool meaningOk = ToGbk(line.substr(tab + 1), line, tab + 1, number, &meaning, &findings);
    if (!wordOk || !meaningOk) continue;
    book += "@" + word + "\r\n" + meaning + "\r\n";
    entryLines.push_back(number);
  }
  if (!result.Succeeded()) return result;

  // The finished book is checked like any other, its findings reported
  // against the table's lines (the title line is no line of the table).
  CheckOptions options;
  options.reportedLine = [&entryLines](int line) {
    const std::size_t entry =
        line >= 2 ? static_cast<std::size_t>(line - 2) / 2 : entryLines.size();
    return entry < entryLines.size() ? entryLines[entry] : 0;
  };
  CheckResult check = CheckBook(book, options);
  findings.insert(findings.end(), check.findings.begin(), check.findings.end());
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  result.entries = check.entries;
  result.book = std::move(book);
  return result;
}

}  // namespace vodari::book_checker
