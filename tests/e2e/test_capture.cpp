// Screen capture of the real program, run beside the scripted stand-in
// capture library in a folder of its own (a library beside the executable is
// the one the program loads).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {
using namespace remote;
namespace {

// The stand-in library of one build: "full", "bare" (no SetNHW32 and
// ResetNHW32) or "broken" (no BL_GetText32).
std::string StubLibrary(const std::string& build) {
  return WindowsPath(VODARI_STUB_NHW32_DIR "/" + build + "/nhw32.dll");
}

class CaptureTest : public ::testing::Test {
 protected:
  static constexpr int kX = 20, kY = 700;  // the pointer, over no window of the program

  void Start(const std::string& build, const std::string& script) {
    Script(script);
    test::WriteBook(folder.File("books\\单词本18.txt"), 30, "gre");
    test::WriteBytes(folder.File("books\\考研单词表.txt"), "考研\r\n@hello\r\n你好\r\n");
    ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), folder.File("Vodari.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(StubLibrary(build).c_str(), folder.File("nhw32.dll").c_str(), FALSE));
    ::SetCursorPos(kX, kY);
    program = std::make_unique<VodariProcess>(folder.Path(), folder.File("Vodari.exe"));
    ASSERT_TRUE(program->Started());
  }
  void Script(const std::string& text) { test::WriteBytes(folder.File("nhw32_script.txt"), text); }

  std::vector<std::string> Calls() const {
    std::istringstream log(test::ReadBytes(folder.File("nhw32_calls.log")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }
  int Starts() const {
    const auto calls = Calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const std::string& c) {
      return c.rfind("BL_SetFlag32 1000 ", 0) == 0;
    }));
  }
  // Waits until a capture that starts from now on has been stopped.
  void WaitForNextCapture() {
    const int starts = Starts();
    EXPECT_TRUE(VodariProcess::WaitUntil([&] {
      const auto calls = Calls();
      return Starts() > starts && calls.back().rfind("BL_SetFlag32 1000 ", 0) != 0;
    }));
  }

  void SetScreenCapture(bool on) {
    program->PostCommand(IDC_SETTINGS);
    HWND panel = program->WaitForWindow("Vodari设置面板");
    ASSERT_NE(panel, nullptr);
    // Not by clicks: the popup may take the activation from the panel.
    ::SendMessageA(::GetDlgItem(panel, IDC_SCREEN_CAPTURE), BM_SETCHECK, on, 0);
    PressOk(panel);
    ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindow(panel); }));
  }
  // The popup has no caption: the program's only visible window without one.
  HWND WaitForPopup() { return program->WaitForWindow(""); }
  // Presses OK as a click does; a posted BM_CLICK can miss a window that is
  // not the active one.
  static void PressOk(HWND dialog) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
  }
  static bool Hidden(HWND popup) {
    return VodariProcess::WaitUntil([&] { return !::IsWindowVisible(popup); });
  }

  test::TempFolder folder;
  std::unique_ptr<VodariProcess> program;
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

  HWND popup = WaitForPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_WORD), "Hello");
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_MEANING), "hello    你好");

  HWND probe = ::FindWindowA("NHD_FLYWIN_DEMO", "NHD_FlyWindow_Demo");
  const std::string start = "BL_SetFlag32 1000 " +
                            std::to_string(reinterpret_cast<ULONG_PTR>(probe)) +
                            " 20 700 strip 20 699 21 700";  // laid over the line before the start
  const auto calls = Calls();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "SetNHW32 -> 1");
  EXPECT_EQ(std::vector<std::string>(calls.begin() + 1, calls.begin() + 4),
            (std::vector<std::string>{start, "BL_SetFlag32 1002 0 0 0", "BL_GetText32 1024"}));

  // Other messages of the program while a capture is due start one capture,
  // not one more with every message the capture itself brings.
  for (int i = 0; i < 50; ++i, ::Sleep(20)) ::PostMessageA(main, WM_NULL, 0, 0);
  const int starts = Starts();
  ::Sleep(1000);
  EXPECT_LE(Starts() - starts, 2);

  SetScreenCapture(false);  // the next capture hides the popup and keeps its texts
  EXPECT_TRUE(Hidden(popup));
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_WORD), "Hello");

  program->PostCommand(IDCANCEL);  // no answers: no run summary
  EXPECT_EQ(program->WaitForExit(), 0);
  EXPECT_EQ(Calls().back(), "ResetNHW32");
}

TEST_F(CaptureTest, IdleCapturesTimeOutKeepTheTextOnANonzeroNoticeAndShowNoLongText) {
  Start("bare", "text=Hello, world\nnotice=never\n");  // no SetNHW32, no ResetNHW32
  SetScreenCapture(true);
  HWND popup = WaitForPopup();  // no key, no mouse: the idle ticks start captures
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_WORD), "Hello");

  Script("text=Other\nnotice=1\n");
  WaitForNextCapture();
  PressOk(popup);
  ASSERT_TRUE(Hidden(popup));
  ASSERT_EQ(WaitForPopup(), popup);
  EXPECT_EQ(VodariProcess::TextOf(popup, IDC_CAPTURE_WORD), "Hello");  // the previous text

  Script("text=" + std::string(256, 'a') + "\nnotice=0\n");
  WaitForNextCapture();
  PressOk(popup);
  ASSERT_TRUE(Hidden(popup));
  WaitForNextCapture();
  WaitForNextCapture();
  EXPECT_FALSE(::IsWindowVisible(popup));
}

struct FailedStart {
  const char* build;
  std::vector<std::string> calls;
};
class FailedCaptureStartTest : public CaptureTest,
                               public ::testing::WithParamInterface<FailedStart> {};

TEST_P(FailedCaptureStartTest, IsReportedOnceAndNothingIsCaptured) {
  Start(GetParam().build, "start=0\n");
  EXPECT_EQ(program->AcknowledgeMessageBox(), "NHD_InitGetWords error.");
  ASSERT_NE(program->MainWindow(), nullptr);
  program->PostKey(IDC_WORD, VK_CONTROL);
  EXPECT_TRUE(program->NoMessageBoxFor(1500));  // idle captures would be due by now
  EXPECT_EQ(Calls(), GetParam().calls);         // unbound at once, no start
}

INSTANTIATE_TEST_SUITE_P(
    Builds, FailedCaptureStartTest,
    ::testing::Values(FailedStart{"full", {"SetNHW32 -> 0", "ResetNHW32"}},  // SetNHW32 refuses
                      FailedStart{"broken", {"ResetNHW32"}}));               // no BL_GetText32

}  // namespace
}  // namespace vodari::e2e
