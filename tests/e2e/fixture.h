// A fresh working folder for one run of the program, with the books the
// test writes, and the program started in it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {

using test::FixtureBook;
using namespace remote;

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

// A test that runs the program in a fresh folder holding a distractor book
// ("GRE词汇", 30 entries "greNN") and a missed-words book with its title only.
class ProgramTest : public ::testing::Test {
 protected:
  static constexpr const char* kMissedTitleLine = "重点单词记录\r\n";

  void SetUp() override;
  // Starts the program and gets past the start-up notice about capture.
  void StartProgram();
  // Starts a test and waits for its first question.
  void StartTest();

  ProgramFolder folder;
  FixtureBook gre;
  std::unique_ptr<VodariProcess> program;
};

}  // namespace vodari::e2e
