#include "temp_folder.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "books/shared_file.h"

namespace vodari::test {
namespace fs = std::filesystem;

TempFolder::TempFolder(bool makeCurrent) {
  static std::atomic<int> serial{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path dir = fs::temp_directory_path() /
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

FixtureBook MakeBook(int entries, const std::string& prefix, const std::string& title) {
  FixtureBook book{title.empty() ? prefix + " book" : title, {}, {}};
  for (int i = 0; i < entries; ++i) {
    char word[64];
    std::snprintf(word, sizeof word, "%s%02d", prefix.c_str(), i);
    book.words.push_back(word);
    book.meanings[word] = std::string(word) + " 的意思";
  }
  return book;
}

std::string FixtureBook::Text() const {
  std::string text = title + "\r\n";
  for (const std::string& word : words) text += "@" + word + "\r\n" + meanings.at(word) + "\r\n";
  return text;
}

FixtureBook WriteBook(const std::string& path, int entries, const std::string& prefix,
                      const std::string& title) {
  FixtureBook book = MakeBook(entries, prefix, title);
  WriteBytes(path, book.Text());
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

bool FileExists(const std::string& path) {
  std::ifstream in(NativePath(path).c_str(), std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace vodari::test
