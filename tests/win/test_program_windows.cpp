// The program's own small windows, as classes, and its book menu, on the
// program's templates.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "app/main_window_tray.h"
#include "books/catalogue.h"
#include "real_input.h"
#include "res/resource.h"
#include "study/recite_bar.h"

namespace vodari {
namespace {

// Routes this thread's messages as the program's loops do, for `ms`.
void Pump(DWORD ms) {
  MSG msg;
  for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < ms; ::Sleep(10))
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) win::RouteMessage(msg);
}

// Rows of `control`'s client area in which it paints dark text.
std::vector<bool> InkRows(HWND control) {
  RECT client;
  ::GetClientRect(control, &client);
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  std::vector<bool> ink(static_cast<size_t>(client.bottom));
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right && !ink[y]; ++x) ink[y] = GetGValue(::GetPixel(dc, x, y)) < 96;
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return ink;
}

// The strip opens whole inside the work area; a long text wraps over the
// line's height; Esc, pressed as a person does, closes a strip whose record
// button is off (automatic recording) and so holds no focus.
TEST(ReciteBar, OpensInsideTheWorkAreaWrapsItsTextAndClosesWithEsc) {
  CReciteBar bar;
  bar.Open(nullptr, true);
  ASSERT_NE(bar.Handle(), nullptr);
  EXPECT_FALSE(::IsWindowEnabled(bar.Item(IDC_RECORD_SHOWN)));
  RECT strip, work;
  ::GetWindowRect(bar.Handle(), &strip);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(strip.left >= work.left && strip.right <= work.right && strip.top >= work.top &&
              strip.bottom <= work.bottom);

  std::string text = "No.6067 :  sound    ";
  for (int i = 0; i < 6; ++i) text += "n. 声音；声响；听起来 ";
  bar.SetText(text);
  // Lines from the top down to the bottom, not one line in the middle.
  const std::vector<bool> ink = InkRows(::GetWindow(bar.Handle(), GW_CHILD));
  const auto quarter = static_cast<std::ptrdiff_t>(ink.size() / 4);
  EXPECT_TRUE(std::count(ink.begin(), ink.begin() + quarter, true) > 0 &&
              std::count(ink.end() - quarter, ink.end(), true) > 0);

  ASSERT_TRUE(remote::BringToFront(bar.Handle()));
  remote::PressKey(VK_ESCAPE);
  Pump(300);
  EXPECT_EQ(bar.Handle(), nullptr);
}

// Behind a modal window of ours (blocked), only "最  大  化" stays usable.
TEST(TrayMenu, WhileRecitingTheTestItemsAreGrayedAndWhileBlockedAllButShowing) {
  for (const bool blocked : {false, true}) {
    for (const bool reciting : {false, true}) {
      const win::Menu menu = MainWindowTray::TrayMenu(reciting, blocked);
      HMENU popup = menu.SubMenu(0);
      ASSERT_NE(popup, nullptr);
      for (int id : {IDC_START_TEST, IDC_END_TEST})
        EXPECT_EQ((::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0, reciting || blocked);
      for (int id : {IDC_SETTINGS, IDCANCEL, IDC_RECITE})
        EXPECT_EQ((::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0, blocked) << id;
      EXPECT_FALSE(::GetMenuState(popup, ID_TOGGLE_MAIN_WINDOW, MF_BYCOMMAND) & MF_GRAYED);
      char text[64] = {};
      ::GetMenuStringA(popup, IDC_RECITE, text, sizeof text, MF_BYCOMMAND);
      EXPECT_STREQ(text, reciting ? "结束背单词" : "开始背诵");
    }
  }
}

// "<sub-menu caption>/<caption>=<id>" for each item of `menu`.
void Flatten(HMENU menu, const std::string& prefix, std::vector<std::string>& lines) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    if (HMENU sub = ::GetSubMenu(menu, i))
      Flatten(sub, prefix + text + "/", lines);
    else
      lines.push_back(prefix + text + "=" + std::to_string(::GetMenuItemID(menu, i)));
  }
}

// The book menu of the program's resources and the catalogue are two copies
// of one list: same captions, sub-menus, ids and order.
TEST(BookMenu, IsTheCatalogue) {
  const win::Menu menu = win::Menu::Load(IDR_BOOK_MENU);
  ASSERT_NE(menu.Get(), nullptr);
  std::vector<std::string> loaded, expected;
  Flatten(menu.Get(), "", loaded);
  for (const CatalogueBook& book : Catalogue()) {
    const std::string sub = book.subMenu ? std::string(book.subMenu) + "/" : "";
    expected.push_back("选择字典/" + sub + book.caption + "=" + std::to_string(book.menuId));
  }
  EXPECT_EQ(loaded, expected);
}

}  // namespace
}  // namespace vodari
