#include "fixture.h"

#include <windows.h>

#include <cstring>

#include "res/resource.h"

namespace vodari::e2e {

void ProgramTest::SetUp() {
  gre = test::WriteBook(folder.File("books\\单词本18.txt"), 30, "gre", "GRE词汇");
  Write(kMissedBook, kMissedTitleLine);
}

void ProgramTest::Launch(const std::string& library) {
  ::CreateDirectoryA(folder.File("sound").c_str(), nullptr);
  ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), folder.File("Vodari.exe").c_str(), FALSE));
  if (!library.empty()) {
    ASSERT_TRUE(::CopyFileA(library.c_str(), folder.File("nhw32.dll").c_str(), FALSE));
  }
  program = std::make_unique<VodariProcess>(folder.Path(), folder.File("Vodari.exe"));
  ASSERT_TRUE(program->Started());
}

void ProgramTest::StartProgram() {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(program->AcknowledgeMessageBox(), "NHD_InitGetWords error.");
  ASSERT_NE(program->MainWindow(), nullptr);
}

void ProgramTest::StartTest() {
  program->PostCommand(IDC_START_TEST);
  ASSERT_TRUE(Until([&] { return !program->ControlText(IDC_WORD).empty(); }));
}

}  // namespace vodari::e2e

// The suite is given the program under test on its command line:
//   vodari_e2e_tests --vodari=<path of Vodari.exe>
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) vodari::remote::SetProgramPath(argv[i] + 9);
  return RUN_ALL_TESTS();
}
