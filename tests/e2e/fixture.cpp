#include "fixture.h"

#include <windows.h>

#include "res/resource.h"

namespace vodari::e2e {

ProgramFolder::ProgramFolder() { ::CreateDirectoryA(folder_.File("sound").c_str(), nullptr); }

FixtureBook ProgramFolder::WriteBook(const std::string& name, const std::string& title, int entries,
                                     const std::string& prefix) {
  return test::WriteBook(folder_.File("books\\" + name), entries, prefix, title);
}

void ProgramFolder::WriteFile(const std::string& name, const std::string& bytes) {
  test::WriteBytes(folder_.File(name), bytes);
}

std::string ProgramFolder::ReadFile(const std::string& name) const {
  return test::ReadBytes(folder_.File(name));
}

bool ProgramFolder::Exists(const std::string& name) const {
  return test::FileExists(folder_.File(name));
}

std::unique_ptr<VodariProcess> ProgramFolder::Start() {
  // A copy of the program in the test's folder, with no capture library
  // beside it: the program's own folder holds the real one.
  const std::string copy = folder_.File("Vodari.exe");
  if (!::CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE)) return nullptr;
  return std::make_unique<VodariProcess>(folder_.Path(), copy);
}

void ProgramTest::SetUp() {
  gre = folder.WriteBook("单词本18.txt", "GRE词汇", 30, "gre");
  folder.WriteFile("books\\重点单词记录.txt", kMissedTitleLine);
}

void ProgramTest::StartProgram() {
  program = folder.Start();
  ASSERT_TRUE(program && program->Started());
  EXPECT_EQ(program->AcknowledgeMessageBox(), "NHD_InitGetWords error.");
  ASSERT_NE(program->MainWindow(), nullptr);
}

void ProgramTest::StartTest() {
  program->PostCommand(IDC_START_TEST);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !program->ControlText(IDC_WORD).empty(); }));
}

}  // namespace vodari::e2e
