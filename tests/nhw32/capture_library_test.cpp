// Drives nhw32.dll as the program does, over a target program whose controls
// and console show known words: lays the probe strip over the line, starts a
// capture at the word, waits for "BL_HASSTRING" and reads the text.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "temp_folder.h"
#include "vodari_process.h"
#include "win/library.h"

namespace {

using vodari::remote::VodariProcess;
using vodari::remote::WindowsPath;

using SetFlagFn = int(WINAPI*)(int, HWND, int, int);
using GetTextFn = int(WINAPI*)(char*, int, RECT*);
using PlainFn = int(WINAPI*)();

bool g_outputToConsole = false;
// The target program: 32-bit, or the 64-bit build given by --target=.
std::string g_target = NHW32_CAPTURE_TARGET;
UINT g_hasString = 0;
int g_notices = 0;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_hasString && g_hasString) {
    EXPECT_EQ(wParam, 0u);
    ++g_notices;
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class CaptureLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The target program writes where its words stand on the screen.
    folder_ = std::make_unique<vodari::test::TempFolder>();
    target_ = std::make_unique<VodariProcess>(folder_->Path(), WindowsPath(g_target));
    ASSERT_TRUE(VodariProcess::WaitUntil([] {
      std::ifstream in(folder_->File("positions.txt"));
      std::string name;
      POINT point;
      while (in >> name >> point.x >> point.y) positions_[name] = point;
      return positions_.count("blank") == 1;
    })) << "the target wrote no positions";

    library_ = win::Library(WindowsPath(NHW32_PATH).c_str());
    setFlag_ = library_.Entry<SetFlagFn>("BL_SetFlag32");
    getText_ = library_.Entry<GetTextFn>("BL_GetText32");
    const auto start = library_.Entry<PlainFn>("SetNHW32");
    ASSERT_TRUE(setFlag_ && getText_ && start && library_.Entry<PlainFn>("ResetNHW32"));
    ASSERT_EQ(start(), 1);

    g_hasString = ::RegisterWindowMessageA("BL_HASSTRING");
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ProbeProc;
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.lpszClassName = "NHD_FLYWIN_DEMO";
    ::RegisterClassA(&cls);
    probe_ = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "NHD_FLYWIN_DEMO", "NHD_FlyWindow_Demo",
                               WS_POPUP | WS_VISIBLE, -1, -1, 1, 1, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(probe_, nullptr);
    // On a 64-bit system the library starts its 64-bit companion.
    BOOL wow64 = FALSE;
    if (::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64) {
      ASSERT_TRUE(VodariProcess::WaitUntil([] { return Companion() != nullptr; })) << "no 64-bit companion";
    }
  }

  static HWND Companion() {
    return ::FindWindowExW(HWND_MESSAGE, nullptr, L"NHW32_X64_COMPANION",
                           std::to_wstring(::GetCurrentProcessId()).c_str());
  }

  static void TearDownTestSuite() {
    if (const auto reset = library_.Entry<PlainFn>("ResetNHW32")) reset();
    EXPECT_EQ(Companion(), nullptr) << "the companion outlived the library";
    library_.Reset();
    if (probe_) ::DestroyWindow(probe_);
    target_.reset();
    folder_.reset();
  }

  // Captures at the named word the way the program does; the text, or
  // "(no notice)" when none came within two seconds. With `stripOnPointer`
  // the probe strip covers the pointer until the capture ends.
  std::string CaptureAt(const std::string& name, RECT* area = nullptr, bool stripOnPointer = false) {
    const POINT point = positions_.at(name);
    ::SetCursorPos(point.x, point.y);
    const int noticesBefore = g_notices;
    // The strip lies across the line one pixel above the pointer while the
    // library is told to start, and goes back right after.
    ::SetWindowPos(probe_, HWND_TOPMOST, point.x - 200, point.y - 1, 400, stripOnPointer ? 3 : 1,
                   SWP_NOACTIVATE | SWP_NOREDRAW);
    setFlag_(1000, probe_, point.x, point.y);
    if (!stripOnPointer) ::MoveWindow(probe_, -1, -1, 1, 1, TRUE);
    const DWORD start = ::GetTickCount();
    while (g_notices == noticesBefore && ::GetTickCount() - start < 2000) {
      MSG message;
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
      ::Sleep(5);
    }
    ::MoveWindow(probe_, -1, -1, 1, 1, TRUE);
    if (g_notices == noticesBefore) return "(no notice)";
    setFlag_(1002, nullptr, 0, 0);
    char text[1024];
    std::memset(text, 'X', sizeof text);
    getText_(text, sizeof text, area);
    return text;
  }

  static inline std::unique_ptr<vodari::test::TempFolder> folder_;
  static inline std::unique_ptr<VodariProcess> target_;
  static inline std::map<std::string, POINT> positions_;
  static inline win::Library library_;
  static inline HWND probe_ = nullptr;
  static inline SetFlagFn setFlag_ = nullptr;
  static inline GetTextFn getText_ = nullptr;
};

// The text from the word on (in GBK, '?' for what GBK lacks), with the word's
// rectangle around the pointer; an empty text, still with a notice, where
// the pointer is on no word. Statics, buttons and list items are drawn in
// fonts of the target's own; each of their three words is captured.
TEST_F(CaptureLibraryTest, ReadsTheWordUnderThePointerInEachKindOfControl) {
  std::map<std::string, std::string> expected = {
      {"edit", "bravo"},          {"edit-second-line", "delta-echo"},
      {"rich", "hotel india"},    {"static-gbk", "tango ? \xD6\xD0\xCE\xC4"},
      {"wrapped", "delta"},       {"accessible", "xray yankee"},
      {"blank", ""},              {"edit-past-end", ""},
      {"edit-below", ""},         {"rich-past-end", ""},
      {"rich-below", ""},         {"list-below", ""},
  };
  for (const auto& [kind, text] : std::map<std::string, std::string>{
           {"static", "kilo lima mike"}, {"button", "sierra tango uniform"}, {"list", "papa quebec romeo"}}) {
    for (std::size_t word = 0, begin = 0; word < 3; ++word, begin = text.find(' ', begin) + 1)
      expected[kind + "-" + std::to_string(word)] = text.substr(begin);
  }
  for (const auto& [name, text] : expected) {
    RECT area = {};
    EXPECT_EQ(CaptureAt(name, &area), text) << name;
    EXPECT_EQ(::PtInRect(&area, positions_.at(name)) != FALSE, !text.empty()) << name;
  }
  // The probe strip under the pointer is looked through.
  EXPECT_EQ(CaptureAt("static-1", nullptr, true), "lima mike");
  // The text handed back never runs past the given size.
  char text[8];
  std::memset(text, 'X', sizeof text);
  getText_(text, 5, nullptr);
  EXPECT_STREQ(text, "lima");
  EXPECT_EQ(text[5], 'X');
}

TEST_F(CaptureLibraryTest, ReadsTheConsoleRowUnderThePointer) {
  if (g_outputToConsole) GTEST_SKIP() << "needs the output redirected, so that the test can leave its console";
  EXPECT_EQ(CaptureAt("console"), "mode echo words");
}

TEST_F(CaptureLibraryTest, AHungProgramGivesAnEmptyTextInTime) {
  ::PostMessageW(::FindWindowW(L"CaptureTarget", nullptr), WM_APP, 0, 0);
  ::Sleep(100);
  const DWORD start = ::GetTickCount();
  EXPECT_EQ(CaptureAt("edit"), "");
  EXPECT_LT(::GetTickCount() - start, 500u);
  ::Sleep(2000);
  EXPECT_EQ(CaptureAt("edit"), "bravo");
}

// Whether the system has a UI Automation client object; Wine before 10
// has none registered.
HRESULT CreateAutomationClient() {
  const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  // CLSID_CUIAutomation {ff48dba4-60ef-4201-aa87-54103eef594e}
  const CLSID clsid = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
  IUnknown* client = nullptr;
  const HRESULT result =
      ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&client));
  if (client) client->Release();
  if (com) ::CoUninitialize();
  return result;
}

// Another program's provider is reached through its window, since Wine's
// client has no ElementFromPoint, and its value or name read, since the text
// pattern it offers cannot be had there (E_NOTIMPL); the library goes on
// after. Wine 10's client does not carry the value (it knows no type of the
// value property) and gives the name.
TEST_F(CaptureLibraryTest, ReadsAnAutomationProviderOfAnotherProgram) {
  const HRESULT client = CreateAutomationClient();
  if (client == REGDB_E_CLASSNOTREG) GTEST_SKIP() << "no UI Automation client registered here (Wine before 10)";
  ASSERT_EQ(client, S_OK);
  VodariProcess target(folder_->Path(), WindowsPath(NHW32_AUTOMATION_TARGET));
  HWND window = nullptr;
  ASSERT_TRUE(VodariProcess::WaitUntil([&] {
    window = ::FindWindowW(L"Nhw32AutomationTarget", nullptr);
    return window && ::IsWindowVisible(window);
  }));
  RECT area = {};
  ::GetWindowRect(window, &area);
  positions_["automation"] = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  // A first call across may take longer than one capture's budget.
  std::string text;
  for (int i = 0; i < 20 && text.empty(); ++i) text = CaptureAt("automation");
  EXPECT_TRUE(text == "juliet kilo lima" || text == "provider name") << text;
  EXPECT_EQ(CaptureAt("edit"), "bravo");
}

// Last: ends the companion. Without it a 64-bit program is still read, in
// time, by what needs no layout and by measuring from here (where a first
// word, at the left edge, is found whatever the font).
TEST_F(CaptureLibraryTest, WithoutItsCompanionA64BitProgramIsStillReadInTime) {
  DWORD companion = 0;
  if (!::GetWindowThreadProcessId(Companion(), &companion)) GTEST_SKIP() << "no companion: not a 64-bit system";
  const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, companion);
  ASSERT_TRUE(process && ::TerminateProcess(process, 1));
  ::WaitForSingleObject(process, 2000);
  ::CloseHandle(process);
  const std::map<std::string, std::string> expected = {{"edit", "bravo"}, {"static-0", "kilo lima mike"}};
  for (const auto& [name, text] : expected) {
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(CaptureAt(name), text) << name;
    EXPECT_LT(::GetTickCount() - start, 300u) << name;
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--target=", 9) == 0) g_target = argv[i] + 9;
  // Like the program, the library's user needs no console of its own, and
  // one would keep the library from joining the console under test. When
  // the output goes to a console, the console test is skipped instead.
  DWORD mode = 0;
  g_outputToConsole = ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) != FALSE;
  if (!g_outputToConsole) ::FreeConsole();
  return RUN_ALL_TESTS();
}
