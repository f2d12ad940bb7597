#include "temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "books/shared_file.h"

namespace vodari::test {
namespace fs = std::filesystem;

TempFolder::TempFolder(bool makeCurrent) {
  static std::atomic<int> serial{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path dir = fs::temp_directory_path() /
                       ("vodari-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
  fs::create_directories(dir / "books");
  path_ = dir.string();
  if (makeCurrent) {
    previous_ = fs::current_path().string();
    fs::current_path(dir);
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!previous_.empty()) fs::current_path(fs::path(previous_), ignored);
  fs::remove_all(fs::path(path_), ignored);
}

std::string TempFolder::File(const std::string& name) const { return path_ + "\\" + name; }

FixtureBook WriteBook(const std::string& path, int entries, const std::string& prefix,
                      const std::string& title) {
  FixtureBook book{title.empty() ? prefix + " book" : title, {}, {}};
  std::string text = book.title + "\r\n";
  for (int i = 0; i < entries; ++i) {
    const std::string word = prefix + (i < 10 ? "0" : "") + std::to_string(i);
    book.words.push_back(word);
    book.meanings[word] = word + " 的意思";
    text += "@" + word + "\r\n" + book.meanings[word] + "\r\n";
  }
  WriteBytes(path, text);
  return book;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(NativePath(path).c_str(), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(NativePath(path).c_str(), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) { return std::ifstream(NativePath(path).c_str()).good(); }

}  // namespace vodari::test
