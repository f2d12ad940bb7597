// Any bytes as a word book: the program's reader (LoadFile, through a file)
// against a plain reader written straight from the format's rules. Any
// difference in title, entries or count stops the run, and so does a book
// whose entry the full search would rule out without reading it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "books/word_table.h"
#include "lookup/book_search.h"

namespace {

struct Book {
  std::string title;
  std::vector<vodari::WordEntry> entries;
};

// The format's rules, one by one, on whole strings.
Book ReadByTheRules(const std::string& bytes) {
  // Text mode: CR LF reads as LF.
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') text += bytes[i];
  // Lines end at LF; a last line without one counts too. A line is read in
  // pieces of at most 1023 bytes, its line end belonging to its last piece;
  // a NUL byte ends a piece's text. A read at the end of the file gives an
  // empty piece; the piece that runs into the end notes it.
  struct Read {
    std::string text;
    bool end;
  };
  std::vector<Read> reads;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t lf = text.find('\n', start);
    const bool ended = lf != std::string::npos;
    if (!ended) lf = text.size();
    std::size_t piece = start;
    do {
      const std::size_t length = std::min<std::size_t>(1023, lf - piece);
      std::string bytes = text.substr(piece, length);
      piece += length;
      reads.push_back({bytes.substr(0, bytes.find('\0')), !ended && piece == lf});
    } while (piece < lf);
    start = lf + 1;
  }
  std::size_t next = 0;
  bool end = false;
  auto read = [&]() -> std::string {
    const Read r = next < reads.size() ? reads[next++] : Read{"", true};
    end = end || r.end;
    return r.text;
  };

  Book book;
  book.title = read();  // the title, then from the start again
  next = 0;
  if (end) return book;
  for (;;) {
    const std::string line = read();
    if (book.entries.size() == 7000) break;
    if (!line.empty() && line[0] == '@') {
      const int number = static_cast<int>(book.entries.size());
      book.entries.push_back({number, line.substr(1, 49), read()});
    }
    if (end) break;
  }
  return book;
}

[[noreturn]] void Fail(const char* what, int index) {
  std::fprintf(stderr, "reader differs from the rules: %s (entry %d)\n", what, index);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // In memory when the system offers it: a file on disk costs ten times the
  // executions.
  static const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                                  ? std::filesystem::path("/dev/shm")
                                                  : std::filesystem::temp_directory_path();
  static const struct BookFile {
    std::string path;
    ~BookFile() { std::remove(path.c_str()); }
  } file{(folder / ("vodari-fuzz-" + std::to_string(getpid()) + ".txt")).string()};
  const std::string& path = file.path;
  // One table for every input, as a search reuses its table book after book.
  static vodari::CWordTable table;
  static vodari::WordEntry firstEntry;  // entry 0 of the last book that had entries

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  table.LoadFile(path);
  const Book book = ReadByTheRules(bytes);

  if (table.title != book.title) Fail("title", -1);
  if (table.GetCount() != static_cast<int>(book.entries.size())) Fail("count", -1);
  if (table.loaded != !book.entries.empty()) Fail("loaded", -1);
  for (const vodari::WordEntry& expected : book.entries) {
    const vodari::WordEntry entry = table.GetEntry(expected.number);
    if (entry.number != expected.number) Fail("number", expected.number);
    if (entry.word != expected.word) Fail("word", expected.number);
    if (entry.meaning != expected.meaning) Fail("meaning", expected.number);
    if (!vodari::BookMayHoldWord(bytes, expected.word)) Fail("ruled out by the search", expected.number);
  }
  if (!book.entries.empty()) firstEntry = book.entries[0];
  const vodari::WordEntry outside = table.GetEntry(table.GetCount());
  if (outside.word != firstEntry.word || outside.meaning != firstEntry.meaning)
    Fail("entry outside the book", table.GetCount());
  return 0;
}
