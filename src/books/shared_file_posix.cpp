// Shared files on POSIX systems: opens never lock, so sharing comes free;
// O_APPEND puts every write at the file's current end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "books/shared_file.h"

namespace vodari {
namespace {

std::intptr_t OpenNative(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(NativePath(path).c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

bool SharedFile::OpenForReading(const std::string& path) {
  Close();
  handle_ = OpenNative(path, O_RDONLY | O_CREAT);
  return IsOpen();
}

bool SharedFile::OpenForAppending(const std::string& path) {
  Close();
  handle_ = OpenNative(path, O_WRONLY | O_APPEND | O_CREAT);
  return IsOpen();
}

bool SharedFile::OpenTruncated(const std::string& path) {
  Close();
  handle_ = OpenNative(path, O_WRONLY | O_TRUNC | O_CREAT);
  return IsOpen();
}

void SharedFile::Close() {
  if (IsOpen()) ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
}

long SharedFile::ReadSome(char* buffer, std::size_t size) {
  if (!IsOpen()) return -1;
  ssize_t got;
  do {
    got = ::read(static_cast<int>(handle_), buffer, size);
  } while (got < 0 && errno == EINTR);
  return static_cast<long>(got);
}

bool SharedFile::WriteAll(const char* data, std::size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    ssize_t put = ::write(static_cast<int>(handle_), data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

bool SharedFile::SeekTo(std::uint64_t offset) {
  return IsOpen() && ::lseek(static_cast<int>(handle_), static_cast<off_t>(offset), SEEK_SET) ==
                         static_cast<off_t>(offset);
}

bool SharedFile::Size(std::uint64_t& size) const {
  struct stat info;
  if (!IsOpen() || ::fstat(static_cast<int>(handle_), &info) != 0) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool TruncateFile(const std::string& path, std::uint64_t size) {
  int result;
  do {
    result = ::truncate(NativePath(path).c_str(), static_cast<off_t>(size));
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

}  // namespace vodari
