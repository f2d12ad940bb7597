// A fresh working folder for one run of the program, with the books the
// test writes, and the program started in it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {

// A word book the test knows: title and word -> meaning.
struct FixtureBook {
  std::string title;
  std::map<std::string, std::string> meanings;
};

class ProgramFolder {
 public:
  ProgramFolder();
  // Writes books\<name> with `entries` entries "<prefix>NN" / "<prefix>NN 的意思".
  FixtureBook WriteBook(const std::string& name, const std::string& title, int entries,
                        const std::string& prefix);
  void WriteFile(const std::string& name, const std::string& bytes);
  std::string ReadFile(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // Starts Vodari.exe in this folder.
  std::unique_ptr<VodariProcess> Start();

 private:
  test::TempFolder folder_;
};

}  // namespace vodari::e2e
