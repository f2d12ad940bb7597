// Screen capture out of the box: a copy of the program with our own
// nhw32.dll beside it reads a word of another program while the pointer
// rests on it, and the popup shows the word with its meaning. Which word
// each kind of control gives is the library's own test (tests/nhw32).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "res/resource.h"
#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {
using namespace remote;
namespace {

TEST(RealCapture, HoveringOverAnotherProgramsWordShowsItInThePopup) {
  test::TempFolder folder;
  test::WriteBook(folder.File("books\\单词本18.txt"), 30, "gre");
  test::WriteBytes(folder.File("books\\考研单词表.txt"), "考研\r\n@bravo\r\nint. 好极了\r\n");
  ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), folder.File("Vodari.exe").c_str(), FALSE));
  ASSERT_TRUE(
      ::CopyFileA(WindowsPath(VODARI_NHW32_PATH).c_str(), folder.File("nhw32.dll").c_str(), FALSE));

  // The target program writes where its words stand on the screen.
  VodariProcess target(folder.Path(), WindowsPath(VODARI_CAPTURE_TARGET));
  POINT word = {};
  ASSERT_TRUE(VodariProcess::WaitUntil([&] {
    std::ifstream in(folder.File("positions.txt"));
    std::string name;
    while (in >> name >> word.x >> word.y)
      if (name == "edit") return true;
    return false;
  }));

  ::SetCursorPos(1000, 700);
  VodariProcess program(folder.Path(), folder.File("Vodari.exe"));
  ASSERT_NE(program.MainWindow(), nullptr);
  program.PostCommand(IDC_SETTINGS);
  HWND panel = program.WaitForWindow("Vodari设置面板");
  ASSERT_NE(panel, nullptr);
  ::SendMessageA(::GetDlgItem(panel, IDC_SCREEN_CAPTURE), BM_SETCHECK, BST_CHECKED, 0);
  VodariProcess::Click(panel, IDOK);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindow(panel); }));

  ::SetCursorPos(word.x, word.y);
  HWND popup = nullptr;
  ASSERT_TRUE(VodariProcess::WaitUntil(
      [&] {
        popup = program.WaitForWindow("", 0);
        return popup && VodariProcess::TextOf(popup, IDC_CAPTURE_WORD) == "bravo";
      },
      5000));
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_MEANING), "bravo    int. 好极了");
  program.PostCommand(IDCANCEL);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
