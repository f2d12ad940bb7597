// A word book in memory: its title and up to 7000 entries, filled only by
// LoadFile.
//
// The file is GBK text: the title line, then entries of two lines each, a
// word line "@word" and the meaning line right after it. Other lines are
// ignored. Lines are read in pieces of at most 1023 bytes, and each piece
// counts as a line of its own.
#pragma once

#include <functional>
#include <string>
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
  static constexpr int kBookCapacity = 7000;
  static constexpr int kMaxWordLength = 49;
  static constexpr int kLineBufferSize = 1024;  // a line piece and its terminator

  explicit CWordTable(Notice notice = {});

  // Replaces title, entries and count with the book at `path`. A missing
  // file is created empty and read as an empty book. When the file can be
  // neither opened nor created, the notice gets "不能打开单词本" and the
  // table keeps the book it held.
  void LoadFile(const std::string& path);

  // A copy of the entry at `index`; any index outside the book gives entry 0.
  WordEntry GetEntry(int index) const;
  int GetCount() const { return count_; }

  std::string title;
  bool loaded = false;

 private:
  Notice notice_;
  std::vector<WordEntry> entries_;  // kBookCapacity slots, allocated once
  int count_ = 0;
};

}  // namespace vodari
