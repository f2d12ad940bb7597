// The word-book reader: the one place that knows how the bytes of a book
// become its title and entries. LoadFile and the book checker both read
// through it; the checker also sees every line piece it yields, with the
// physical line and column the piece came from.
//
// Reading works as the C library's text-mode line reading with a buffer of
// 1024 bytes: CR LF is one line end, a lone LF ends a line too, and a line is
// yielded in pieces of at most 1023 bytes. A line of exactly 1023 bytes (or
// any whole number of pieces) followed by its line end gives no extra empty
// piece: the line end belongs to the line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace vodari {

inline constexpr std::size_t kLinePieceBytes = 1023;
inline constexpr std::size_t kMaxWordBytes = 49;
inline constexpr int kBookCapacity = 7000;

// One read of the line reader.
struct LinePiece {
  std::string_view bytes;   // the piece as read, without the line end
  std::string_view text;    // what the program keeps: a NUL byte ends it, as in a C string
  int line = 0;             // physical line, from 1
  std::size_t column = 0;   // byte offset of the piece in its physical line
  bool atEnd = false;       // this read ran into the end of the file
  bool nothing = false;     // no bytes were left: a read past the last line

  bool IsWordLine() const { return !bytes.empty() && bytes[0] == '@'; }
  // The word of a word line: the bytes after "@", at most 49 of them.
  std::string_view Word() const { return text.substr(1, kMaxWordBytes); }
};

class LinePieceReader {
 public:
  explicit LinePieceReader(std::string_view bytes)
      : bytes_(bytes),
        hasNul_(!bytes.empty() && std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {}

  // Reads one piece into `piece`. Past the last line every read is an empty
  // piece that sets the end condition; once set, the condition stays. (The
  // piece is filled in place: returning it by value costs LoadFile a third
  // of its time in copies.)
  void Read(LinePiece& piece) {
    if (!inLine_) {
      if (pos_ >= bytes_.size()) {
        atEnd_ = true;
        piece = {std::string_view(), std::string_view(), line_, 0, true, true};
        return;
      }
      StartLine();
    }
    const std::size_t length = std::min(kLinePieceBytes, contentEnd_ - pos_);
    // Built in registers and stored once: reading a field back right after
    // storing it in parts stalls the processor.
    const std::string_view bytes(bytes_.data() + pos_, length);
    piece.bytes = bytes;
    piece.text = hasNul_ ? bytes.substr(0, bytes.find('\0')) : bytes;
    piece.line = line_;
    piece.column = pos_ - lineStart_;
    piece.nothing = false;
    pos_ += length;
    inLine_ = pos_ != contentEnd_;
    piece.atEnd = !inLine_ && pos_ == bytes_.size();  // a last line without line end
    if (!inLine_) {
      atEnd_ = atEnd_ || piece.atEnd;
      pos_ = nextLine_;
      ++line_;
    }
  }

  bool AtEnd() const { return atEnd_; }

  // Back to the first byte; the end condition stays as it is.
  void Rewind() {
    pos_ = 0;
    line_ = 1;
    inLine_ = false;
  }

 private:
  void StartLine() {
    lineStart_ = pos_;
    const void* lf = std::memchr(bytes_.data() + pos_, '\n', bytes_.size() - pos_);
    if (lf) {
      contentEnd_ = static_cast<std::size_t>(static_cast<const char*>(lf) - bytes_.data());
      nextLine_ = contentEnd_ + 1;
      if (contentEnd_ > lineStart_ && bytes_[contentEnd_ - 1] == '\r') --contentEnd_;
    } else {
      contentEnd_ = nextLine_ = bytes_.size();
    }
  }

  std::string_view bytes_;
  bool hasNul_;  // only then does a piece's text differ from its bytes
  std::size_t pos_ = 0;
  std::size_t lineStart_ = 0;
  std::size_t contentEnd_ = 0;  // end of the current line's text
  std::size_t nextLine_ = 0;    // first byte after its line end
  int line_ = 1;
  bool inLine_ = false;
  bool atEnd_ = false;
};

// Reads a book, telling `book` what it finds:
//   book.Title(piece)                   the first read, before the rewind;
//   book.Entry(number, word, meaning)   a word line and the piece after it;
//   book.Other(piece)                   a piece that is neither.
// The title line is then read again as an ordinary line, so a first line
// "@word" is also entry 0; a title that ran into the end of the file leaves
// no entries. The capacity is checked after a piece is read and before it is
// looked at; the end of the file after the piece is handled, so a last word
// line still makes an entry. Returns the number of entries.
template <class Book>
int ReadBook(std::string_view bytes, int capacity, Book& book) {
  LinePieceReader reader(bytes);
  LinePiece piece;
  LinePiece meaning;
  reader.Read(piece);
  book.Title(piece);
  reader.Rewind();
  int count = 0;
  if (reader.AtEnd()) return 0;
  for (;;) {
    reader.Read(piece);
    if (count == capacity) break;
    if (piece.IsWordLine()) {
      reader.Read(meaning);
      book.Entry(count, piece, meaning);
      ++count;
    } else {
      book.Other(piece);
    }
    if (reader.AtEnd()) break;
  }
  return count;
}

}  // namespace vodari
