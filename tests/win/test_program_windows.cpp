// The program's own small windows, as classes, on the program's templates.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/main_window_tray.h"
#include "res/resource.h"
#include "study/recite_bar.h"

namespace vodari {
namespace {

// A top-level window that records the messages its owned windows send it.
class OwnerWindow {
 public:
  OwnerWindow() {
    WNDCLASSA type = {};
    type.lpfnWndProc = Proc;
    type.hInstance = ::GetModuleHandleA(nullptr);
    type.lpszClassName = "VodariTestOwner";
    ::RegisterClassA(&type);
    hwnd = ::CreateWindowExA(0, "VodariTestOwner", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr, type.hInstance, nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~OwnerWindow() { ::DestroyWindow(hwnd); }
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<OwnerWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == WM_RECORD_SHOWN_WORD) self->received.push_back(msg);
    if (self && msg == WM_COMMAND) self->received.push_back(LOWORD(wParam));
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  HWND hwnd;
  std::vector<UINT> received;
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) win::RouteMessage(msg);
}

TEST(ReciteBar, RecordsThroughItsOwnerPassesMenuCommandsOnAndClosesWithEsc) {
  OwnerWindow owner;
  CReciteBar bar;
  bar.SetText("before");  // closed: nothing happens
  bar.Open(owner.hwnd, false);
  ASSERT_NE(bar.Handle(), nullptr);
  EXPECT_EQ(::GetWindow(bar.Handle(), GW_OWNER), owner.hwnd);
  EXPECT_TRUE(::IsWindowEnabled(bar.Item(IDC_RECORD_SHOWN)));
  RECT strip, work;
  ::GetWindowRect(bar.Handle(), &strip);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(strip.left >= work.left && strip.right <= work.right && strip.top >= work.top &&
              strip.bottom <= work.bottom);

  bar.SetText("No.2 :  abandon    放弃");
  char text[64] = {};
  ::GetWindowTextA(::GetWindow(bar.Handle(), GW_CHILD), text, sizeof text);
  EXPECT_STREQ(text, "No.2 :  abandon    放弃");

  ::SendMessageA(bar.Handle(), WM_COMMAND, MAKEWPARAM(IDC_RECORD_SHOWN, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar.Item(IDC_RECORD_SHOWN)));
  ::SendMessageA(bar.Handle(), WM_COMMAND, ID_INTERVAL_9, 0);
  ::SendMessageA(bar.Handle(), WM_COMMAND, ID_SHOW_MAIN_WINDOW, 0);
  EXPECT_EQ(owner.received,
            (std::vector<UINT>{WM_RECORD_SHOWN_WORD, ID_INTERVAL_9, ID_SHOW_MAIN_WINDOW}));

  ::PostMessageA(bar.Item(IDC_RECORD_SHOWN), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_EQ(bar.Handle(), nullptr);

  // A strip made while automatic recording is on keeps its button off.
  bar.Open(owner.hwnd, true);
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
    EXPECT_NE(::GetMenuState(popup, ID_TOGGLE_MAIN_WINDOW, MF_BYCOMMAND), static_cast<UINT>(-1));
  }
}

}  // namespace
}  // namespace vodari
