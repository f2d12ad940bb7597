// A word book in memory: its title and up to 7000 entries, filled only by
// LoadFile. The file format and its reading are in book_reader.h.
#pragma once

#include <functional>
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

  // A copy of the entry at `index`; any index outside the book gives entry 0.
  WordEntry GetEntry(int index) const;
  int GetCount() const { return count_; }
  // The entry at `index`, 0 <= index < GetCount(), without a copy; for
  // searches that walk the whole book.
  const WordEntry& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

  std::string title;
  bool loaded = false;

 private:
  Notice notice_;
  std::vector<WordEntry> entries_;  // kBookCapacity slots, allocated once
  int count_ = 0;
  // The bytes of the last file read; kept so that loading book after book
  // reuses the storage, as it reuses the entries' strings.
  std::string fileBytes_;
};

}  // namespace vodari
