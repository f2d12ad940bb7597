// The one place where Vodari opens files.
//
// Every open is shared: a reader, an appender and a clear on the same file can
// all be open at once and none of them blocks the others. Text on disk has
// CR LF line ends; reading also accepts a lone LF. The bytes are the same on
// Windows and elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vodari {

// A platform file handle opened in one of three shared modes.
class SharedFile {
 public:
  SharedFile() = default;
  ~SharedFile();
  SharedFile(SharedFile&& other) noexcept;
  SharedFile& operator=(SharedFile&& other) noexcept;
  SharedFile(const SharedFile&) = delete;
  SharedFile& operator=(const SharedFile&) = delete;

  // For reading; a missing file is created empty (when its folder exists).
  bool OpenForReading(const std::string& path);
  // For appending; a missing file is created empty, an existing one is never
  // truncated, and every write lands at the end the file has at that moment,
  // even when another handle has shortened it since.
  bool OpenForAppending(const std::string& path);
  // For writing from scratch: created when missing, emptied when present.
  bool OpenTruncated(const std::string& path);

  bool IsOpen() const { return handle_ != kNoHandle; }
  void Close();

  // Reads up to `size` raw bytes; returns the count, 0 at the end, -1 on error.
  long ReadSome(char* buffer, std::size_t size);
  // Writes every byte or reports false.
  bool WriteAll(const char* data, std::size_t size);
  bool SeekToStart();

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
};

// Turns a program path ("books\x.txt") into one the platform opens. On
// Windows it is unchanged; elsewhere a backslash is a folder separator. The
// path is GBK, so the second byte of a double-byte character is never taken
// for a separator.
std::string NativePath(const std::string& path);

// Reads a text file line by line the way the C library's fgets does in text
// mode: CR LF reads as one line feed, a line is returned in pieces of at most
// `maxBytes` bytes, and the line feed is consumed but not kept.
class TextLineReader {
 public:
  explicit TextLineReader(SharedFile& file) : file_(file) {}

  // Reads one piece. At the end of the file the piece is empty. Reading sets
  // the end-of-file condition when it ran into the end of the file (an empty
  // read, or a last line without line end); a piece that stopped at a line
  // feed or at `maxBytes` does not.
  std::string ReadLine(std::size_t maxBytes);
  bool AtEnd() const { return atEnd_; }
  // Moves back to the first byte; the end-of-file condition stays as it is.
  void Rewind();

 private:
  int NextByte();  // the next byte after CR LF translation, or -1 at the end
  int RawByte();
  int PeekRawByte();

  SharedFile& file_;
  char buffer_[4096];
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool rawEnd_ = false;
  bool atEnd_ = false;
};

// Text as it goes to disk: every line feed becomes CR LF.
std::string ToDiskText(std::string_view text);

}  // namespace vodari
