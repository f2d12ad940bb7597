// Screen capture out of the box: a copy of the program with our own
// nhw32.dll (and its 64-bit companion) beside it reads words of another
// program while the pointer rests on them, and the popup shows each word
// with its meaning. Which word each kind of control gives is the library's
// own test (tests/nhw32). The target program is the 32-bit one, or the
// 64-bit build given by --capture-target=.
#include <fstream>
#include <map>
#include <string>

#include "fixture.h"

namespace vodari::e2e {
namespace {

TEST_F(ProgramTest, HoveringOverAnotherProgramsWordShowsItInThePopup) {
  Write("books\\考研单词表.txt", "考研\r\n@mike\r\nn. 麦克风\r\n@romeo\r\nn. 罗密欧\r\n");
  const std::string library = WindowsPath(VODARI_NHW32_PATH);
  for (const char* companion : {"nhw32_64.dll", "nhw32_x64.exe"}) {
    const std::string from = library.substr(0, library.rfind('\\') + 1) + companion;
    ::CopyFileA(from.c_str(), folder.File(companion).c_str(), FALSE);
  }
  // The target program writes where its words stand on the screen.
  VodariProcess target(folder.Path(), WindowsPath(captureTarget));
  std::map<std::string, POINT> words;
  ASSERT_TRUE(Until([&] {
    std::ifstream in(folder.File("positions.txt"));
    std::string name;
    POINT point;
    while (in >> name >> point.x >> point.y) words[name] = point;
    return words.count("blank") == 1;
  }));

  ::SetCursorPos(1000, 700);
  ASSERT_NO_FATAL_FAILURE(Launch(library));
  ASSERT_NE(program->MainWindow(), nullptr);
  SetScreenCapture(true);

  // The last word of a list item, then of a static text.
  for (const auto& [name, meaning] : {std::pair<std::string, std::string>{"list-2", "romeo    n. 罗密欧"},
                                      std::pair<std::string, std::string>{"static-2", "mike    n. 麦克风"}}) {
    const POINT word = words.at(name);
    // The popup of the last word, where it first shows, may cover the next
    // one, and nothing is captured over our own windows: out of the way.
    if (HWND shown = program->WaitForWindow("", 0))
      ::SetWindowPos(shown, nullptr, 800, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetCursorPos(word.x, word.y);
    HWND popup = nullptr;
    EXPECT_TRUE(Until(
        [&] {
          popup = program->WaitForWindow("", 0);
          return popup && TextOf(popup, IDC_CAPTURE_MEANING) == meaning;
        },
        5000))
        << name;
  }
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
