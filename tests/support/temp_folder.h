// The one temporary folder of the tests and the one fixture-book builder,
// with raw file helpers that bypass the code under test, so expectations are
// checked against the real bytes on disk.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vodari::test {

// A fresh folder with an empty "books" folder, removed with the object.
// With `makeCurrent` it is the working folder for the object's lifetime, as
// the program runs beside its books.
class TempFolder {
 public:
  explicit TempFolder(bool makeCurrent = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // A path inside the folder in the program's own form ("dir\name").
  std::string File(const std::string& name) const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;  // the working folder before, when made current
};

// A word book a test knows: words "<prefix>00", "<prefix>01", … with the
// meanings "<word> 的意思", in this order.
struct FixtureBook {
  std::string title;
  std::vector<std::string> words;
  std::map<std::string, std::string> meanings;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// Writes the book at the program-style `path` ("books\\x.txt"): the title
// line ("<prefix> book" when none is given), then the entries, CR LF.
FixtureBook WriteBook(const std::string& path, int entries, const std::string& prefix,
                      const std::string& title = "");
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace vodari::test
