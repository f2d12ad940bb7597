#include "books/word_table.h"

#include "books/book_reader.h"
#include "books/shared_file.h"

namespace vodari {

// Records where the reader finds each entry in the book's bytes.
struct CWordTable::Filler {
  CWordTable& table;

  Span SpanOf(std::string_view text) const {
    return {static_cast<std::uint32_t>(text.data() - table.bookBytes_.data()),
            static_cast<std::uint32_t>(text.size())};
  }
  void Title(const LinePiece& piece) { table.title.assign(piece.text); }
  void Entry(int number, const LinePiece& word, const LinePiece& meaning) {
    CWordTable::Entry& slot = table.slots_[Slot(number)];
    slot.word = SpanOf(word.Word());
    // A meaning read past the end of the file has no place in the bytes.
    slot.meaning = meaning.nothing ? Span{} : SpanOf(meaning.text);
  }
  void Other(const LinePiece&) {}
};

CWordTable::CWordTable(Notice notice) : notice_(std::move(notice)), slots_(kBookCapacity) {}

void CWordTable::LoadFile(const std::string& path) {
  if (ReadFileBytes(path)) TakeReadBook();
}

std::optional<std::string_view> CWordTable::ReadFileBytes(const std::string& path) {
  SharedFile file;
  std::optional<std::string_view> bytes;
  if (file.OpenForReading(path)) bytes = ReadWholeFile(file, readStorage_, kMaxBookBytes);
  if (!bytes) {
    if (notice_) notice_("不能打开单词本");
    return std::nullopt;
  }
  readLength_ = bytes->size();
  readPending_ = true;
  return bytes;
}

void CWordTable::TakeReadBook() {
  if (!readPending_) return;
  readPending_ = false;
  // The two buffers change places: the bytes read become the book's, and
  // the old book's storage is reused by the next read.
  bookBytes_.swap(readStorage_);
  bookLength_ = readLength_;
  readLength_ = 0;
  Filler filler{*this};
  count_ = ReadBook(std::string_view(bookBytes_.data(), bookLength_), kBookCapacity, filler);
  loaded = count_ != 0;
  if (count_ != 0) firstEntry_ = {0, std::string(Word(0)), std::string(Meaning(0))};
}

WordEntry CWordTable::GetEntry(int index) const {
  if (index < 0 || index >= count_) return firstEntry_;
  return {index, std::string(Word(index)), std::string(Meaning(index))};
}

}  // namespace vodari
