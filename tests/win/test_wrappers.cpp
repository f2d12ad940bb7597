// The notification-area icon: its record is one the shell takes, it is added
// once, and removing it really deletes it (the shell refuses to add an icon
// that is there already).
#include <gtest/gtest.h>
#include <windows.h>

#include "win/tray_icon.h"

namespace win {
namespace {

TEST(TrayIcon, AddsOnceAndRemovesWhateverItsState) {
  HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
  HICON icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  {
    TrayIcon tray(10, WM_USER + 200);
    ASSERT_TRUE(tray.Add(owner, icon, "系统管理程序"));
    EXPECT_TRUE(tray.Add(owner, nullptr, "x"));  // there already: nothing changes
    tray.Remove();
    EXPECT_FALSE(tray.Shown());
    EXPECT_TRUE(tray.Add(owner, icon, "系统管理程序"));
  }
  ::DestroyWindow(owner);
}

}  // namespace
}  // namespace win
