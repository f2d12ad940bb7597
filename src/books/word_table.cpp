#include "books/word_table.h"

#include "books/shared_file.h"

namespace vodari {

CWordTable::CWordTable(Notice notice) : notice_(std::move(notice)), entries_(kBookCapacity) {}

void CWordTable::LoadFile(const std::string& path) {
  SharedFile file;
  if (!file.OpenForReading(path)) {
    if (notice_) notice_("不能打开单词本");
    return;
  }
  constexpr std::size_t kPiece = kLineBufferSize - 1;
  TextLineReader reader(file);

  // The title line is read on its own, then scanned again as an ordinary
  // line, so a first line "@word" is both the title and entry 0.
  title = reader.ReadLine(kPiece);
  reader.Rewind();

  int i = 0;
  if (!reader.AtEnd()) {
    for (;;) {
      std::string line = reader.ReadLine(kPiece);
      // Capacity is checked after the read: a book of more than 7000
      // entries gives exactly its first 7000.
      if (i == kBookCapacity) break;
      if (!line.empty() && line[0] == '@') {
        WordEntry& slot = entries_[i];
        slot.word = line.substr(1, kMaxWordLength);
        slot.number = i;
        slot.meaning = reader.ReadLine(kPiece);
        ++i;
      }
      // Checked after the line is handled, so a last word line still counts.
      if (reader.AtEnd()) break;
    }
  }
  count_ = i;
  loaded = i != 0;
}

WordEntry CWordTable::GetEntry(int index) const {
  if (index >= 0 && index < count_) return entries_[index];
  return entries_[0];
}

}  // namespace vodari
