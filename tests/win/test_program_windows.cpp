// The program's own small windows, as classes, on the program's templates.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/main_window_tray.h"
#include "res/resource.h"
#include "study/recite_bar.h"

namespace vodari {
namespace {

// The strip opens whole inside the work area and closes with Esc; a strip
// made while automatic recording is on keeps its record button off.
TEST(ReciteBar, OpensInsideTheWorkAreaAndClosesWithEsc) {
  CReciteBar bar;
  bar.Open(nullptr, false);
  ASSERT_NE(bar.Handle(), nullptr);
  RECT strip, work;
  ::GetWindowRect(bar.Handle(), &strip);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(strip.left >= work.left && strip.right <= work.right && strip.top >= work.top &&
              strip.bottom <= work.bottom);

  ::PostMessageA(bar.Item(IDC_RECORD_SHOWN), WM_KEYDOWN, VK_ESCAPE, 0);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) win::RouteMessage(msg);
  EXPECT_EQ(bar.Handle(), nullptr);

  bar.Open(nullptr, true);
  EXPECT_FALSE(::IsWindowEnabled(bar.Item(IDC_RECORD_SHOWN)));
  bar.Close();
}

TEST(TrayMenu, WhileRecitingTheTestItemsAreGrayedAndTheRecitationItemRetitled) {
  for (bool reciting : {false, true}) {
    const win::Menu menu = MainWindowTray::TrayMenu(reciting);
    HMENU popup = menu.SubMenu(0);
    ASSERT_NE(popup, nullptr);
    for (int id : {IDC_START_TEST, IDC_END_TEST})
      EXPECT_EQ((::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0, reciting) << id;
    char text[64] = {};
    ::GetMenuStringA(popup, IDC_RECITE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, reciting ? "结束背单词" : "开始背诵");
  }
}

}  // namespace
}  // namespace vodari
