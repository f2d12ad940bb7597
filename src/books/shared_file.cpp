#include "books/shared_file.h"

#include <utility>

namespace vodari {

SharedFile::~SharedFile() { Close(); }

SharedFile::SharedFile(SharedFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)) {}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kNoHandle);
  }
  return *this;
}

int TextLineReader::RawByte() {
  if (pos_ == len_) {
    if (rawEnd_) return -1;
    long got = file_.ReadSome(buffer_, sizeof buffer_);
    if (got <= 0) {
      rawEnd_ = true;
      return -1;
    }
    pos_ = 0;
    len_ = static_cast<std::size_t>(got);
  }
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int TextLineReader::PeekRawByte() {
  int c = RawByte();
  if (c >= 0) --pos_;
  return c;
}

int TextLineReader::NextByte() {
  int c = RawByte();
  if (c == '\r' && PeekRawByte() == '\n') c = RawByte();
  return c;
}

std::string TextLineReader::ReadLine(std::size_t maxBytes) {
  std::string line;
  while (line.size() < maxBytes) {
    int c = NextByte();
    if (c < 0) {
      atEnd_ = true;
      break;
    }
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  // The line lives on as a C string in the rest of the program: an embedded
  // zero byte ends it.
  std::size_t zero = line.find('\0');
  if (zero != std::string::npos) line.resize(zero);
  return line;
}

void TextLineReader::Rewind() {
  file_.SeekToStart();
  pos_ = len_ = 0;
  rawEnd_ = false;
}

std::string ToDiskText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

std::string NativePath(const std::string& path) {
#ifdef _WIN32
  return path;
#else
  std::string out = path;
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < out.size()) {
      ++i;  // trail byte of a GBK character, never a separator
    } else if (c == '\\') {
      out[i] = '/';
    }
  }
  return out;
#endif
}

}  // namespace vodari
