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

TempFolder::TempFolder() {
  static std::atomic<int> serial{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path dir = fs::temp_directory_path() /
                 ("vodari-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
  fs::create_directories(dir);
  path_ = dir.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(fs::path(path_), ignored);
}

std::string TempFolder::File(const std::string& name) const { return path_ + "\\" + name; }

WorkingFolder::WorkingFolder() : previous_(fs::current_path().string()) {
  fs::current_path(fs::path(folder_.Path()));
  fs::create_directory("books");
}

WorkingFolder::~WorkingFolder() { fs::current_path(fs::path(previous_)); }

void WorkingFolder::WriteBook(const std::string& path, int entries, const std::string& prefix,
                              const std::string& title) const {
  WriteBytes(path, BookText(entries, prefix, title));
}

std::string BookText(int entries, const std::string& prefix, const std::string& title) {
  std::string text = (title.empty() ? prefix + " book" : title) + "\r\n";
  for (int i = 0; i < entries; ++i) {
    const std::string n = std::to_string(i);
    text += "@" + prefix + n + "\r\nm" + prefix + n + "\r\n";
  }
  return text;
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
