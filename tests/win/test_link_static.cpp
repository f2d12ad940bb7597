// The hyperlink control on a real dialog: its target and caption, its colour
// by state as the parent's colour request reflects it, the mouse capture
// while the pointer is over it, and clicks through a stub opener.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/link_static.h"
#include "test_resources.h"
#include "win/dialog.h"

namespace vodari {
namespace {

std::string Text(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// Presses OK of the message box (captioned with the program's name), keeping
// its text.
std::string g_boxText;
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = ::FindWindowA("#32770", "vodari_win_tests");
  if (box == nullptr) return;
  g_boxText = Text(::GetDlgItem(box, 0xFFFF));
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ::KillTimer(nullptr, timer);
}

// As in the About dialog: the caption is the target until a new target is
// set, which changes what is opened, not the caption.
TEST(LinkStatic, OpensItsTargetOnAClickAndShowsItsStateInItsColour) {
  win::SetDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
  win::Dialog dialog(IDD_LINK_TEST);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDC_LINK);
  CLinkStatic control;
  ASSERT_TRUE(control.AttachLink(link));
  // The text colour the dialog's colour request for the link sets; the
  // parent's ground shows through.
  HDC dc = ::CreateCompatibleDC(nullptr);
  const auto colour = [&] {
    EXPECT_EQ(::SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(link)),
              reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    return ::GetTextColor(dc);
  };
  const auto moveMouse = [&](int x, int y) {
    ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  };
  const COLORREF normal = RGB(0, 0, 238), visited = RGB(85, 26, 139);
  const COLORREF hover = ::GetSysColor(COLOR_HIGHLIGHT);
  std::vector<std::string> opened;
  UINT_PTR openResult = 42;
  control.SetOpener([&](const std::string& target, int show) {
    opened.push_back(target + (show == SW_SHOW ? " shown" : " hidden"));
    return openResult;
  });
  EXPECT_TRUE(::GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(control.Target(), "使用说明.htm");

  EXPECT_EQ(colour(), normal);
  moveMouse(2, 2);
  EXPECT_EQ(colour(), hover);
  EXPECT_EQ(::GetCapture(), link);
  moveMouse(-1, 3);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(colour(), normal);

  // The static reports a press (SS_NOTIFY) to the dialog, which reflects it.
  ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_EQ(opened, std::vector<std::string>{"使用说明.htm shown"});
  EXPECT_EQ(colour(), visited);
  moveMouse(2, 2);
  EXPECT_EQ(colour(), hover);  // hover wins over visited
  moveMouse(2, 200);

  // A failed open reports the code and takes the visit back.
  control.SetTarget("books\\dict.txt");
  openResult = 2;
  ::SetTimer(nullptr, 0, 50, CloseMessageBox);
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_LINK, STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(opened.back(), "books\\dict.txt shown");
  EXPECT_EQ(Text(link), "使用说明.htm");
  EXPECT_EQ(g_boxText, "Unable to open hyperlink:\n\nThe specified file was not found.");
  EXPECT_EQ(colour(), normal);

  // A double click is no click.
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_LINK, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(opened.size(), 2u);
  ::DeleteDC(dc);
}

}  // namespace
}  // namespace vodari
