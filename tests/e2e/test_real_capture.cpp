// Screen capture out of the box: a copy of the program with our own
// nhw32.dll beside it reads the words of another program's controls while
// the pointer rests on them, and the popup shows each word with its meaning.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "res/resource.h"
#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {
using namespace remote;
namespace {

TEST(RealCapture, HoveringOverAnotherProgramsWordsShowsThemInThePopup) {
  test::TempFolder folder;
  test::WriteBook(folder.File("books\\单词本18.txt"), 30, "gre");
  const std::map<std::string, std::string> meanings = {
      {"bravo", "int. 好极了"}, {"hotel", "n. 旅馆"}, {"lima", "n. 利马"}, {"quebec", "n. 魁北克"}};
  std::string book = "考研\r\n";
  for (const auto& [word, meaning] : meanings) book += "@" + word + "\r\n" + meaning + "\r\n";
  test::WriteBytes(folder.File("books\\考研单词表.txt"), book);
  ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), folder.File("Vodari.exe").c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA(WindowsPath(VODARI_NHW32_PATH).c_str(), folder.File("nhw32.dll").c_str(), FALSE));

  // The target program writes where its words stand on the screen.
  const std::string target = WindowsPath(VODARI_CAPTURE_TARGET);
  std::string commandLine = "\"" + target + "\" \"" + folder.File("positions.txt") + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(::CreateProcessA(target.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info));
  ::CloseHandle(info.hThread);
  std::map<std::string, POINT> at;
  VodariProcess::WaitUntil([&] {
    std::ifstream in(folder.File("positions.txt"));
    std::string name;
    POINT point;
    while (in >> name >> point.x >> point.y) at[name] = point;
    return at.count("hang") == 1;
  });

  ::SetCursorPos(1000, 700);
  VodariProcess program(folder.Path(), folder.File("Vodari.exe"));
  ASSERT_NE(program.MainWindow(), nullptr);
  EXPECT_TRUE(program.NoMessageBoxFor(300));  // the library is bound
  program.PostCommand(IDC_SETTINGS);
  HWND panel = program.WaitForWindow("Vodari设置面板");
  ASSERT_NE(panel, nullptr);
  ::SendMessageA(::GetDlgItem(panel, IDC_SCREEN_CAPTURE), BM_SETCHECK, BST_CHECKED, 0);
  ::PostMessageA(panel, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(panel, IDOK)));
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindow(panel); }));

  for (const auto& [control, word] : std::map<std::string, std::string>{
           {"edit", "bravo"}, {"rich", "hotel"}, {"static", "lima"}, {"list", "quebec"}}) {
    SCOPED_TRACE(control);
    ASSERT_EQ(at.count(control), 1u);
    ::SetCursorPos(at[control].x, at[control].y);
    HWND popup = nullptr;
    EXPECT_TRUE(VodariProcess::WaitUntil(
        [&] {
          popup = program.WaitForWindow("", 0);
          return popup && VodariProcess::TextOf(popup, IDC_CAPTURE_WORD) == word;
        },
        5000));
    if (popup) {
      EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_MEANING), word + "    " + meanings.at(word));
    }
  }

  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 5000);
  ::CloseHandle(info.hProcess);
  program.PostCommand(IDCANCEL);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
