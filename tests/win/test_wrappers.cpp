// The small wrappers of the window layer: message boxes, menus, the
// run-time library and the notification-area icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "test_resources.h"
#include "win/library.h"
#include "win/menu.h"
#include "win/message_box.h"
#include "win/tray_icon.h"

namespace win {
namespace {

// Presses OK on the first message box of this thread, from a timer that runs
// inside the box's own loop, and keeps what it saw.
struct BoxReader {
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), Inspect, 0);
    if (instance->caption.empty()) return;
    ::KillTimer(nullptr, id);
  }
  static BOOL CALLBACK Inspect(HWND hwnd, LPARAM) {
    char cls[16] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    char buffer[256] = {};
    ::GetWindowTextA(hwnd, buffer, sizeof buffer);
    instance->caption = buffer;
    ::GetDlgItemTextA(hwnd, 0xFFFF, buffer, sizeof buffer);
    instance->text = buffer;
    instance->owner = ::GetWindow(hwnd, GW_OWNER);
    ::PostMessageA(::GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
    return FALSE;
  }
  static BoxReader* instance;
  std::string caption, text;
  HWND owner = nullptr;
};
BoxReader* BoxReader::instance = nullptr;

TEST(ShowMessageBox, CaptionIsTheProgramNameAndTheGivenWindowOwnsIt) {
  EXPECT_EQ(ProgramName(), "vodari_win_tests");
  HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
  BoxReader reader;
  BoxReader::instance = &reader;
  ::SetTimer(nullptr, 0, 100, BoxReader::OnTimer);
  EXPECT_EQ(ShowMessageBox("你所选的单词本中没有单词", MB_ICONWARNING, owner), IDOK);
  EXPECT_EQ(reader.caption, "vodari_win_tests");
  EXPECT_EQ(reader.text, "你所选的单词本中没有单词");
  EXPECT_EQ(reader.owner, owner);
  ::DestroyWindow(owner);
}

// Item changes address items by command, also inside nested pop-ups, and
// keep each item's id and state.
TEST(Menu, ItemChangesByCommandKeepIdsAndReachSubMenus) {
  Menu menu = Menu::Load(IDR_TEST_MENU);
  ASSERT_TRUE(menu);
  HMENU popup = menu.SubMenu(0);
  ASSERT_NE(popup, nullptr);

  SetMenuItemText(popup, ID_ITEM, "结束背单词");
  GrayMenuItem(popup, ID_NESTED_ITEM);
  RemoveMenuItem(popup, ID_REMOVED_ITEM);

  char buffer[64] = {};
  ::GetMenuStringA(popup, ID_ITEM, buffer, sizeof buffer, MF_BYCOMMAND);
  EXPECT_STREQ(buffer, "结束背单词");
  EXPECT_FALSE(::GetMenuState(popup, ID_ITEM, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(::GetMenuState(popup, ID_NESTED_ITEM, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(::GetMenuState(popup, ID_REMOVED_ITEM, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(::GetMenuItemCount(popup), 2);
}

TEST(Library, TypedEntryPointsAndFreeing) {
  using GetTickCountFunction = DWORD(WINAPI*)();
  Library kernel("kernel32.dll");
  ASSERT_TRUE(kernel);
  auto tick = kernel.Entry<GetTickCountFunction>("GetTickCount");
  ASSERT_NE(tick, nullptr);
  EXPECT_GT(tick(), 0u);
  EXPECT_EQ(kernel.Entry<GetTickCountFunction>("NoSuchEntryPoint"), nullptr);

  Library missing("no-such-library.dll");
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.Entry<GetTickCountFunction>("GetTickCount"), nullptr);
  Library moved = std::move(kernel);
  EXPECT_TRUE(moved);
  EXPECT_FALSE(kernel);  // NOLINT(bugprone-use-after-move): the move empties it
}

TEST(TrayIcon, AddsOnceAndRemovesWhateverItsState) {
  HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
  {
    TrayIcon icon(10, WM_USER + 200);
    icon.Remove(owner);  // removing an icon that is not there is harmless
    ASSERT_TRUE(icon.Add(owner, ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), "系统管理程序"));
    EXPECT_TRUE(icon.Shown());
    EXPECT_TRUE(icon.Add(owner, nullptr, "x"));  // there already: nothing changes
    icon.Remove();
    EXPECT_FALSE(icon.Shown());
  }
  ::DestroyWindow(owner);
}

}  // namespace
}  // namespace win
