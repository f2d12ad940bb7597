// A fresh folder per test, and raw file helpers that bypass the code under
// test, so expectations are checked against the real bytes on disk.
#pragma once

#include <string>

namespace vodari::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // A path inside the folder in the program's own form ("dir\name").
  std::string File(const std::string& name) const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Makes a fresh folder with an empty "books" folder the working folder for
// the lifetime of the object, as the program runs beside its books.
class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  // Writes a word book with a title line and entries "<prefix>i" /
  // "m<prefix>i", CR LF, under the program-style `path` ("books\\x.txt").
  void WriteBook(const std::string& path, int entries, const std::string& prefix,
                 const std::string& title = "") const;

 private:
  TempFolder folder_;
  std::string previous_;
};

// The bytes of a word book with a title line and `entries` entries
// "<prefix>i" / "m<prefix>i", CR LF; the title defaults to "<prefix> book".
std::string BookText(int entries, const std::string& prefix, const std::string& title = "");

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace vodari::test
