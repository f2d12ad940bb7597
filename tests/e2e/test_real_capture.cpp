// Screen capture out of the box: a copy of the program with our own
// nhw32.dll beside it reads a word of another program while the pointer
// rests on it, and the popup shows the word with its meaning. Which word
// each kind of control gives is the library's own test (tests/nhw32).
#include <fstream>
#include <string>

#include "fixture.h"

namespace vodari::e2e {
namespace {

TEST_F(ProgramTest, HoveringOverAnotherProgramsWordShowsItInThePopup) {
  Write("books\\考研单词表.txt", "考研\r\n@bravo\r\nint. 好极了\r\n");
  // The target program writes where its words stand on the screen.
  VodariProcess target(folder.Path(), WindowsPath(VODARI_CAPTURE_TARGET));
  POINT word = {};
  ASSERT_TRUE(Until([&] {
    std::ifstream in(folder.File("positions.txt"));
    std::string name;
    while (in >> name >> word.x >> word.y)
      if (name == "edit") return true;
    return false;
  }));

  ::SetCursorPos(1000, 700);
  ASSERT_NO_FATAL_FAILURE(Launch(WindowsPath(VODARI_NHW32_PATH)));
  ASSERT_NE(program->MainWindow(), nullptr);
  SetScreenCapture(true);

  ::SetCursorPos(word.x, word.y);
  HWND popup = nullptr;
  ASSERT_TRUE(Until(
      [&] {
        popup = program->WaitForWindow("", 0);
        return popup && TextOf(popup, IDC_CAPTURE_WORD) == "bravo";
      },
      5000));
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_MEANING), "bravo    int. 好极了");
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
