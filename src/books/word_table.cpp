#include "books/word_table.h"

#include "books/book_reader.h"
#include "books/shared_file.h"

namespace vodari {
namespace {

// Stores what the reader finds into the table's slots. Assigning into the
// slots' strings reuses their storage from the previous book.
struct TableFiller {
  std::string& title;
  std::vector<WordEntry>& entries;

  void Title(const LinePiece& piece) { title.assign(piece.Text()); }
  void Entry(int number, const LinePiece& word, const LinePiece& meaning) {
    WordEntry& slot = entries[static_cast<std::size_t>(number)];
    slot.number = number;
    slot.word.assign(word.Word());
    slot.meaning.assign(meaning.Text());
  }
  void Other(const LinePiece&) {}
};

}  // namespace

CWordTable::CWordTable(Notice notice) : notice_(std::move(notice)), entries_(kBookCapacity) {}

void CWordTable::LoadFile(const std::string& path) {
  SharedFile file;
  if (!file.OpenForReading(path)) {
    if (notice_) notice_("不能打开单词本");
    return;
  }
  const std::string_view bytes = ReadWholeFile(file, fileBytes_);
  TableFiller filler{title, entries_};
  count_ = ReadBook(bytes, kBookCapacity, filler);
  loaded = count_ != 0;
}

WordEntry CWordTable::GetEntry(int index) const {
  if (index >= 0 && index < count_) return entries_[static_cast<std::size_t>(index)];
  return entries_[0];
}

}  // namespace vodari
