#include "books/shared_file.h"

#include <algorithm>
#include <exception>
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

std::optional<std::string_view> ReadWholeFile(SharedFile& file, std::string& storage,
                                              std::size_t limit) {
  constexpr std::size_t kChunk = 64 * 1024;
  std::uint64_t size = 0;
  if (file.Size(size) && size > limit) return std::nullopt;
  std::size_t used = 0;
  try {
    for (;;) {
      if (storage.size() - used < kChunk)
        storage.resize(std::min(std::max(storage.size() * 2, used + kChunk), limit + 1));
      const long got = file.ReadSome(&storage[used], storage.size() - used);
      if (got <= 0) break;
      used += static_cast<std::size_t>(got);
      // The file grew while it was read, or its size could not be told.
      if (used > limit) return std::nullopt;
    }
  } catch (const std::exception&) {  // std::bad_alloc, std::length_error
    return std::nullopt;
  }
  return std::string_view(storage.data(), used);
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
