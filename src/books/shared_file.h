// The one place where Vodari opens files.
//
// Every open is shared: a reader, an appender and a clear on the same file can
// all be open at once and none of them blocks the others. Text on disk has
// CR LF line ends; reading also accepts a lone LF. The bytes are the same on
// Windows and elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
  bool SeekTo(std::uint64_t offset);
  // The file's size in bytes; false when it cannot be told.
  bool Size(std::uint64_t& size) const;

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
};

// Cuts the file at `path` back to `size` bytes; false when it cannot.
bool TruncateFile(const std::string& path, std::uint64_t size);

// Turns a program path ("books\x.txt") into one the platform opens. On
// Windows it is unchanged; elsewhere a backslash is a folder separator. The
// path is GBK, so the second byte of a double-byte character is never taken
// for a separator.
std::string NativePath(const std::string& path);

// Reads the rest of `file` into `storage` and returns the bytes read.
// `storage` keeps its size between calls so that reading file after file
// allocates nothing once it is large enough. A read error ends the bytes.
// A file of more than `limit` bytes, or one that cannot be held in memory,
// gives nullopt; nothing is thrown.
std::optional<std::string_view> ReadWholeFile(SharedFile& file, std::string& storage,
                                              std::size_t limit);

// Text as it goes to disk: every line feed becomes CR LF.
std::string ToDiskText(std::string_view text);

}  // namespace vodari
