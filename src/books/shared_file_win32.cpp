// Shared files on Windows. Every handle shares reading, writing and deleting
// with every other, so the history writers, a reader loading the same book
// and a clear never fail because of each other. The appending handle is
// opened with append-only access, for which the system puts every write at
// the file's current end.
#include <windows.h>

#include "books/shared_file.h"

namespace vodari {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

std::intptr_t OpenNative(const std::string& path, DWORD access) {
  HANDLE h = ::CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

}  // namespace

bool SharedFile::OpenForReading(const std::string& path) {
  Close();
  handle_ = OpenNative(path, GENERIC_READ);
  return IsOpen();
}

bool SharedFile::OpenForAppending(const std::string& path) {
  Close();
  handle_ = OpenNative(path, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE);
  return IsOpen();
}

bool SharedFile::OpenTruncated(const std::string& path) {
  Close();
  handle_ = OpenNative(path, GENERIC_WRITE);
  if (IsOpen() && !::SetEndOfFile(AsHandle(handle_))) Close();
  return IsOpen();
}

void SharedFile::Close() {
  if (IsOpen()) ::CloseHandle(AsHandle(handle_));
  handle_ = kNoHandle;
}

long SharedFile::ReadSome(char* buffer, std::size_t size) {
  if (!IsOpen()) return -1;
  DWORD got = 0;
  if (!::ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(size), &got, nullptr)) return -1;
  return static_cast<long>(got);
}

bool SharedFile::WriteAll(const char* data, std::size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    DWORD put = 0;
    if (!::WriteFile(AsHandle(handle_), data, static_cast<DWORD>(size), &put, nullptr) || put == 0)
      return false;
    data += put;
    size -= put;
  }
  return true;
}

bool SharedFile::SeekTo(std::uint64_t offset) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  return IsOpen() && ::SetFilePointerEx(AsHandle(handle_), at, nullptr, FILE_BEGIN);
}

bool SharedFile::Size(std::uint64_t& size) const {
  LARGE_INTEGER bytes;
  if (!IsOpen() || !::GetFileSizeEx(AsHandle(handle_), &bytes)) return false;
  size = static_cast<std::uint64_t>(bytes.QuadPart);
  return true;
}

bool TruncateFile(const std::string& path, std::uint64_t size) {
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(size);
  const bool done = ::SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && ::SetEndOfFile(h);
  ::CloseHandle(h);
  return done;
}

}  // namespace vodari
