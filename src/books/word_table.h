// A word book in memory: its title and up to 7000 entries, filled only by
// LoadFile. The file format and its reading are in book_reader.h.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vodari {

// One entry of a book; `number` is its index in the book, from 0.
struct WordEntry {
  int number = 0;
  std::string word;
  std::string meaning;
};

// Shows a message to the user; the caller decides how (a message box in the
// program, a recorder in tests).
using Notice = std::function<void(const std::string& text)>;

class CWordTable {
 public:
  explicit CWordTable(Notice notice = {});

  // Replaces title, entries and count with the book at `path`. A missing
  // file is created empty and read as an empty book. When the file can be
  // neither opened nor created, the notice gets "不能打开单词本" and the
  // table keeps the book it held.
  void LoadFile(const std::string& path);

  // LoadFile in two steps, for a search that looks at a book's bytes before
  // taking the book in. ReadFileBytes opens and reads the file as LoadFile
  // does (a missing file is created; one that cannot be opened, or is larger
  // than any book can be, gets the notice, leaves everything as it was and
  // gives nullopt). TakeReadBook then replaces title, entries and count with
  // the book read last; it does nothing when that book was taken already,
  // so a search that runs inside another (from a message box of the first)
  // can never leave the first one holding bytes of the wrong length.
  std::optional<std::string_view> ReadFileBytes(const std::string& path);
  void TakeReadBook();

  // The largest file read as a book: twice a book of 7000 entries whose
  // every word and meaning line is as long as the reader allows. A larger
  // file is no book, and holding it could exhaust the memory.
  static constexpr std::size_t kMaxBookBytes = 16u << 20;

  // A copy of the entry at `index`; any index outside the book gives entry 0
  // (which a load that finds no entries leaves as it was).
  WordEntry GetEntry(int index) const;
  int GetCount() const { return count_; }
  // The word and meaning at `index`, 0 <= index < GetCount(), without a
  // copy; for searches that walk the whole book.
  std::string_view Word(int index) const { return Text(slots_[Slot(index)].word); }
  std::string_view Meaning(int index) const { return Text(slots_[Slot(index)].meaning); }

  std::string title;
  bool loaded = false;

 private:
  // Where a word or meaning lies in the book's bytes.
  struct Span {
    std::uint32_t at = 0;
    std::uint32_t length = 0;
  };
  struct Entry {
    Span word;
    Span meaning;
  };
  struct Filler;

  static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
  std::string_view Text(Span span) const {
    return std::string_view(bookBytes_.data() + span.at, span.length);
  }

  Notice notice_;
  // The entries point into the bytes of the book they came from, so a load
  // copies no text; the storage of both buffers is kept from book to book.
  std::vector<Entry> slots_;  // kBookCapacity slots, allocated once
  std::string bookBytes_;  // the book the table holds, in its first bookLength_ bytes
  std::size_t bookLength_ = 0;
  std::string readStorage_;  // a book read and not yet taken, in its first readLength_ bytes
  std::size_t readLength_ = 0;
  bool readPending_ = false;  // readStorage_ holds a book that TakeReadBook has not taken
  WordEntry firstEntry_;  // entry 0, kept past a load without entries
  int count_ = 0;
};

}  // namespace vodari
