// The hyperlink control on a real dialog: what it opens and shows, its
// colour by state as its parent's colour request reflects it, the mouse
// capture while the pointer is over it, and a click through a stub opener.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "app/link_static.h"
#include "test_resources.h"
#include "win/dialog.h"

namespace vodari {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr COLORREF kVisitedColour = RGB(85, 26, 139);

class LinkDialog : public win::Dialog {
 public:
  LinkDialog() : win::Dialog(IDD_LINK_TEST) {}

  CLinkStatic captioned;
  CLinkStatic uncaptioned;
  std::vector<std::pair<int, int>> commands;  // what reached the dialog itself

 protected:
  bool OnInit() override {
    uncaptioned.SetTarget("books\\dict.txt");
    captioned.AttachLink(Item(IDC_CAPTIONED));
    uncaptioned.AttachLink(Item(IDC_UNCAPTIONED));
    return true;
  }
  bool OnCommand(int id) override {
    commands.emplace_back(id, STN_CLICKED);
    return true;
  }
  bool OnNotify(int id, int notifyCode, HWND /*control*/) override {
    commands.emplace_back(id, notifyCode);
    return true;
  }
};

std::string Text(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// The text of tool 1 of `link`, from whichever tooltip of this thread has it.
struct TooltipSearch {
  HWND link;
  std::string text;
};
BOOL CALLBACK AskTooltip(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TooltipSearch*>(param);
  char cls[32] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) != TOOLTIPS_CLASSA) return TRUE;
  char text[256] = {};
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = search->link;
  tool.uId = 1;
  tool.lpszText = text;
  ::SendMessageA(hwnd, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  search->text = text;
  return search->text.empty();
}
std::string TooltipText(HWND link) {
  TooltipSearch search{link, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), AskTooltip, reinterpret_cast<LPARAM>(&search));
  return search.text;
}

// The parent's colour request for `control`, as the static itself makes it.
struct Colour {
  COLORREF text;
  int backgroundMode;
  HBRUSH brush;
};
Colour AskColour(HWND dialog, HWND control) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  ::SetTextColor(dc, RGB(1, 2, 3));
  ::SetBkMode(dc, OPAQUE);
  const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
      dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  const Colour colour{::GetTextColor(dc), ::GetBkMode(dc), brush};
  ::DeleteDC(dc);
  return colour;
}

void MoveMouse(HWND link, int x, int y) {
  ::SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// Presses OK of the first message box this thread shows, keeping its text.
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
  LinkDialog dialog;
  HWND link = nullptr;
};

TEST_F(LinkStaticTest, TargetComesFromTheCaptionOrTheCaptionFromTheTarget) {
  EXPECT_TRUE(::GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(dialog.captioned.Target(), "使用说明.htm");
  EXPECT_EQ(TooltipText(link), "使用说明.htm");

  HWND uncaptioned = dialog.Item(IDC_UNCAPTIONED);
  EXPECT_EQ(Text(uncaptioned), "books\\dict.txt");

  // A new target changes what is opened and the tooltip, not the caption.
  dialog.uncaptioned.SetTarget("mailto:x");
  EXPECT_EQ(dialog.uncaptioned.Target(), "mailto:x");
  EXPECT_EQ(TooltipText(uncaptioned), "mailto:x");
  EXPECT_EQ(Text(uncaptioned), "books\\dict.txt");

  // Fitted to its caption: narrower than the 150 units of the template.
  RECT rect;
  ::GetClientRect(link, &rect);
  HDC dc = ::GetDC(link);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(link, WM_GETFONT, 0, 0)));
  SIZE size;
  ::GetTextExtentPoint32A(dc, "使用说明.htm", 12, &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(link, dc);
  EXPECT_EQ(rect.right, size.cx);
  EXPECT_EQ(rect.bottom, size.cy);
}

TEST_F(LinkStaticTest, ColourFollowsHoverAndVisitsWhileTheParentShowsThrough) {
  std::vector<std::string> opened;
  UINT_PTR openResult = 42;
  dialog.captioned.SetOpener([&](const std::string& target, int show) {
    opened.push_back(target + (show == SW_SHOW ? " shown" : " hidden"));
    return openResult;
  });

  const Colour normal = AskColour(dialog.Handle(), link);
  EXPECT_EQ(normal.text, kLinkColour);
  EXPECT_EQ(normal.backgroundMode, TRANSPARENT);
  EXPECT_EQ(normal.brush, ::GetStockObject(NULL_BRUSH));
  // Only the links answer for themselves; a plain static keeps the dialog's look.
  EXPECT_EQ(AskColour(dialog.Handle(), dialog.Item(IDC_PLAIN)).text, RGB(0, 0, 0));

  MoveMouse(link, 2, 2);
  EXPECT_EQ(AskColour(dialog.Handle(), link).text, ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(::GetCapture(), link);
  MoveMouse(link, 3, 3);
  EXPECT_EQ(::GetCapture(), link);
  MoveMouse(link, -1, 3);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(AskColour(dialog.Handle(), link).text, kLinkColour);

  // A click as the static reports it (SS_NOTIFY) opens the target and
  // reaches the link only.
  ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(opened, std::vector<std::string>{"使用说明.htm shown"});
  EXPECT_TRUE(dialog.commands.empty());
  EXPECT_EQ(AskColour(dialog.Handle(), link).text, kVisitedColour);
  MoveMouse(link, 2, 2);
  EXPECT_EQ(AskColour(dialog.Handle(), link).text, ::GetSysColor(COLOR_HIGHLIGHT));
  MoveMouse(link, 2, 200);

  // A failed open reports the code and takes the visit back.
  openResult = 2;
  g_boxText.clear();
  ::SetTimer(nullptr, 0, 50, CloseMessageBox);
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CAPTIONED, STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(g_boxText, "Unable to open hyperlink:\n\nThe specified file was not found.");
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_EQ(AskColour(dialog.Handle(), link).text, kLinkColour);

  // Other notifications of the static are no clicks: the dialog gets them.
  ::SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CAPTIONED, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{IDC_CAPTIONED, STN_DBLCLK}}));
}

}  // namespace
}  // namespace vodari
