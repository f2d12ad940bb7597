// The window layer's own windows and the hyperlink control on a real dialog:
// what the link opens and shows, its colour by state as the parent's colour
// request reflects it, the mouse capture while the pointer is over it, and a
// click through a stub opener.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/link_static.h"
#include "test_resources.h"
#include "win/dialog.h"
#include "win/window.h"

namespace vodari {
namespace {

class LinkDialog : public win::Dialog {
 public:
  LinkDialog() : win::Dialog(IDD_LINK_TEST) {}
  CLinkStatic captioned, uncaptioned;
  std::vector<int> notifications;  // what reached the dialog itself

 protected:
  bool OnInit() override {
    uncaptioned.SetTarget("books\\dict.txt");
    captioned.AttachLink(Item(IDC_CAPTIONED));
    uncaptioned.AttachLink(Item(IDC_UNCAPTIONED));
    return true;
  }
  bool OnCommand(int /*id*/) override {
    notifications.push_back(STN_CLICKED);
    return true;
  }
  bool OnNotify(int /*id*/, int notifyCode, HWND /*control*/) override {
    notifications.push_back(notifyCode);
    return true;
  }
};

std::string Text(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// Presses OK of the message box this thread shows, keeping its text.
std::string g_boxText;
BOOL CALLBACK PressOk(HWND hwnd, LPARAM) {
  char cls[16] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) != "#32770" || win::Dialog::FromHandle(hwnd) != nullptr) return TRUE;
  g_boxText = Text(::GetDlgItem(hwnd, 0xFFFF));
  ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
  return FALSE;
}
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), PressOk, 0);
  if (!g_boxText.empty()) ::KillTimer(nullptr, timer);
}

class LinkStaticTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::SetDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    link = dialog.Item(IDC_CAPTIONED);
  }
  // The text colour the dialog's colour request for `control` sets.
  COLORREF Colour(HWND control) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const auto brush = ::SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC,
                                      reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const COLORREF text = ::GetTextColor(dc);
    if (control == link) {  // the parent's ground shows through
      EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
      EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    }
    ::DeleteDC(dc);
    return text;
  }
  void MoveMouse(int x, int y) { ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  LinkDialog dialog;
  HWND link = nullptr;
};

TEST_F(LinkStaticTest, TargetComesFromTheCaptionOrTheCaptionFromTheTarget) {
  EXPECT_TRUE(::GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(dialog.captioned.Target(), "使用说明.htm");

  HWND uncaptioned = dialog.Item(IDC_UNCAPTIONED);
  EXPECT_EQ(Text(uncaptioned), "books\\dict.txt");
  // A new target changes what is opened, not the caption.
  dialog.uncaptioned.SetTarget("mailto:x");
  EXPECT_EQ(dialog.uncaptioned.Target(), "mailto:x");
  EXPECT_EQ(Text(uncaptioned), "books\\dict.txt");
}

TEST_F(LinkStaticTest, ColourFollowsHoverAndVisitsAndCaptureFollowsThePointer) {
  const COLORREF normal = RGB(0, 0, 238), visited = RGB(85, 26, 139);
  const COLORREF hover = ::GetSysColor(COLOR_HIGHLIGHT);
  std::vector<std::string> opened;
  UINT_PTR openResult = 42;
  dialog.captioned.SetOpener([&](const std::string& target, int show) {
    opened.push_back(target + (show == SW_SHOW ? " shown" : " hidden"));
    return openResult;
  });

  EXPECT_EQ(Colour(link), normal);
  EXPECT_EQ(Colour(dialog.Item(IDC_PLAIN)), RGB(0, 0, 0));  // not a link: the dialog's
  MoveMouse(2, 2);
  EXPECT_EQ(Colour(link), hover);
  EXPECT_EQ(::GetCapture(), link);
  MoveMouse(3, 3);
  EXPECT_EQ(::GetCapture(), link);
  MoveMouse(-1, 3);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Colour(link), normal);

  // The static reports a press (SS_NOTIFY); only the link sees it.
  ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_EQ(opened, std::vector<std::string>{"使用说明.htm shown"});
  EXPECT_TRUE(dialog.notifications.empty());
  EXPECT_EQ(Colour(link), visited);
  MoveMouse(2, 2);
  EXPECT_EQ(Colour(link), hover);  // hover wins over visited
  MoveMouse(2, 200);

  // A failed open reports the code and takes the visit back.
  openResult = 2;
  g_boxText.clear();
  ::SetTimer(nullptr, 0, 50, CloseMessageBox);
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CAPTIONED, STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(g_boxText, "Unable to open hyperlink:\n\nThe specified file was not found.");
  EXPECT_EQ(Colour(link), normal);

  // A double click is no click: the dialog gets it.
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CAPTIONED, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_EQ(dialog.notifications, std::vector<int>{STN_DBLCLK});
}

// A plain window of ours gets its messages until its object goes, and goes
// with it.
TEST(PlainWindow, ReachesItsObjectAndIsDestroyedWithIt) {
  struct Counting : win::Window {
    int received = 0;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
      if (msg == WM_USER) ++received;
      return Default(msg, wParam, lParam);
    }
  };
  HWND hwnd = nullptr;
  {
    Counting window;
    ASSERT_TRUE(window.Create("VodariTestWindow", "", WS_POPUP, 0, RECT{0, 0, 10, 10}, nullptr));
    hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_USER, 0, 0);
    EXPECT_EQ(window.received, 1);
    EXPECT_EQ(win::Window::FromHandle(hwnd), &window);
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
}  // namespace vodari
