// Screen capture of the real program, run beside the scripted stand-in
// capture library (tests/stub_nhw32): a script tells it what to answer, and
// it logs every call. Then out of the box: a copy of the program with our own
// nhw32.dll (and its 64-bit companion) beside it reads words of another
// program while the pointer rests on them, and the popup shows each word
// with its meaning. Which word each kind of control gives is the library's
// own test (tests/nhw32). The target program is the 32-bit one, or the
// 64-bit build given by --capture-target=.
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fixture.h"

namespace vodari::e2e {
namespace {

class CaptureTest : public ProgramTest {
 protected:
  // Starts the program beside the stand-in of one build: "full", "bare" (no
  // SetNHW32 and ResetNHW32) or "broken" (no BL_GetText32).
  void Start(const std::string& build, const std::string& script) {
    Write("nhw32_script.txt", script);
    Write("books\\考研单词表.txt", "考研\r\n@hello\r\n你好\r\n");
    ::SetCursorPos(20, 700);  // over no window of the program
    Launch(WindowsPath(VODARI_STUB_NHW32_DIR "/" + build + "/nhw32.dll"));
  }
  std::vector<std::string> Calls() const {
    std::istringstream log(Read("nhw32_calls.log"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }
  int Starts() const {
    int starts = 0;
    for (const std::string& call : Calls()) starts += call.rfind("BL_SetFlag32 1000 ", 0) == 0;
    return starts;
  }
  // Waits until a capture that starts from now on has been stopped.
  void WaitForNextCapture() {
    const int starts = Starts();
    EXPECT_TRUE(Until(
        [&] { return Starts() > starts && Calls().back().rfind("BL_SetFlag32 1000 ", 0) != 0; }));
  }
};

TEST_F(CaptureTest, CtrlStartsACaptureAtThePointerAndThePopupShowsTheWordWithItsEntry) {
  Start("full", "text=Hello, world\nnotice=0\n");
  SetScreenCapture(true);
  // Mouse moves over the main dialog hold the idle captures back.
  HWND main = program->MainWindow();
  const auto moveMouse = [&](DWORD ms) {
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < ms; ::Sleep(50))
      ::PostMessageA(main, WM_MOUSEMOVE, 0, 0);
  };
  moveMouse(1500);
  const int before = Starts();
  program->PostKey(IDC_WORD, VK_CONTROL);
  moveMouse(1500);
  EXPECT_EQ(Starts(), before + 1);

  HWND popup = program->WaitForWindow("");  // the program's only window without a caption
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_WORD), "Hello");
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_MEANING), "hello    你好");
  // The probe window lies over the line before the start.
  const ULONG_PTR probe =
      reinterpret_cast<ULONG_PTR>(::FindWindowA("NHD_FLYWIN_DEMO", "NHD_FlyWindow_Demo"));
  std::vector<std::string> calls = Calls();
  calls.resize(4);
  EXPECT_EQ(calls, (std::vector<std::string>{
                       "SetNHW32 -> 1",
                       "BL_SetFlag32 1000 " + std::to_string(probe) + " 20 700 strip 20 699 21 700",
                       "BL_SetFlag32 1002 0 0 0", "BL_GetText32 1024"}));

  // Other messages of the program while a capture is due start one capture,
  // not one more with every message the capture itself brings.
  for (int i = 0; i < 50; ++i, ::Sleep(20)) ::PostMessageA(main, WM_NULL, 0, 0);
  const int starts = Starts();
  ::Sleep(1000);
  EXPECT_LE(Starts() - starts, 2);

  SetScreenCapture(false);  // the next capture hides the popup and keeps its texts
  EXPECT_TRUE(Until([&] { return !::IsWindowVisible(popup); }));
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_WORD), "Hello");
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->WaitForExit(), 0);
  EXPECT_EQ(Calls().back(), "ResetNHW32");
}

TEST_F(CaptureTest, IdleCapturesTakeNoFocusSkipOurWindowsAndShowNoEmptyOrLongText) {
  Start("bare", "text=Hello, world\nnotice=never\n");
  SetScreenCapture(true);
  // While the user types into the lookup dialog, the popup shows beside it
  // without taking the keys.
  program->PostCommand(IDC_LOOKUP);
  HWND lookup = program->WaitForWindow("请输入你想要查询的单词");
  ASSERT_NE(lookup, nullptr);
  ASSERT_TRUE(BringToFront(lookup));
  HWND popup = program->WaitForWindow("");  // no key, no mouse: the idle ticks capture
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_WORD), "Hello");
  WaitForNextCapture();
  TypeText("abc");
  EXPECT_TRUE(Until([&] { return TextOf(lookup, IDC_LOOKUP_INPUT) == "abc"; }));
  // Over a window of the program, even the popup's own OK, nothing is captured.
  RECT ok;
  ::GetWindowRect(::GetDlgItem(popup, IDOK), &ok);
  ::SetCursorPos((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
  ::Sleep(200);
  const int starts = Starts();
  ::Sleep(2500);
  EXPECT_EQ(Starts(), starts);
  ::SetCursorPos(20, 700);
  VodariProcess::Click(lookup, IDCANCEL);
  ASSERT_TRUE(Until([&] { return !::IsWindow(lookup); }));

  Write("nhw32_script.txt", "text=Other\nnotice=1\n");
  WaitForNextCapture();
  PressOk(popup);
  ASSERT_TRUE(Until([&] { return !::IsWindowVisible(popup); }));
  ASSERT_EQ(program->WaitForWindow(""), popup);
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_WORD), "Hello");  // the previous text

  // A text too long, or one without a word (blank space), shows nothing.
  for (const std::string& text : {std::string(256, 'a'), std::string()}) {
    Write("nhw32_script.txt", "text=" + text + "\nnotice=0\n");
    WaitForNextCapture();
    PressOk(popup);
    ASSERT_TRUE(Until([&] { return !::IsWindowVisible(popup); }));
    WaitForNextCapture();
    WaitForNextCapture();
    EXPECT_FALSE(::IsWindowVisible(popup)) << text.size();
  }
  EXPECT_EQ(TextOf(popup, IDC_CAPTURE_WORD), "Hello");
}

// A library that refuses to start, or lacks an entry point, is reported once
// and unbound at once; nothing is captured.
TEST_F(CaptureTest, FailedStartIsReportedOnceAndNothingIsCaptured) {
  const struct {
    const char* build;
    std::vector<std::string> calls;
  } cases[] = {{"full", {"SetNHW32 -> 0", "ResetNHW32"}}, {"broken", {"ResetNHW32"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.build);
    ::DeleteFileA(folder.File("nhw32_calls.log").c_str());
    Start(c.build, "start=0\n");
    EXPECT_EQ(program->AcknowledgeMessageBox(), "NHD_InitGetWords error.");
    ASSERT_NE(program->MainWindow(), nullptr);
    program->PostKey(IDC_WORD, VK_CONTROL);
    EXPECT_TRUE(program->NoMessageBoxFor(1500));  // idle captures would be due by now
    EXPECT_EQ(Calls(), c.calls);
    program.reset();
  }
}

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
  for (const auto& [name, meaning] :
       {std::pair<std::string, std::string>{"list-2", "romeo    n. 罗密欧"},
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
