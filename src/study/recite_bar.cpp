#include "study/recite_bar.h"

#include <windows.h>

#include "res/resource.h"
#include "win/menu.h"

namespace vodari {

CReciteBar::CReciteBar() : win::Dialog(IDD_RECITE_BAR) {}

void CReciteBar::Open(HWND owner, bool recordButtonOff) {
  if (Handle() == nullptr) {
    if (!CreateModeless(owner)) return;
    PlaceOnScreen();
  } else {
    ::SetFocus(Handle());
  }
  ::ShowWindow(Handle(), SW_SHOW);
  if (recordButtonOff) {
    EnableItem(IDC_RECORD_SHOWN, false);
    // The button held the focus and lost it; the strip takes it, so that Esc
    // still closes the strip.
    ::SetFocus(Handle());
  }
}

void CReciteBar::SetText(const std::string& text) {
  if (Handle() == nullptr) return;
  // The text line is the strip's first control; it has no id of its own.
  ::SetWindowTextA(::GetWindow(Handle(), GW_CHILD), text.c_str());
}

bool CReciteBar::OnInit() { return true; }

void CReciteBar::PlaceOnScreen() {
  RECT strip;
  ::GetWindowRect(Handle(), &strip);
  const int width = strip.right - strip.left;
  const int height = strip.bottom - strip.top;
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int x = work.right - width - 16;
  int y = work.bottom - height - 16;
  if (placed_) {
    x = lastPlace_.left;
    y = lastPlace_.top;
  }
  // Wherever it was left, the strip comes back whole on the screen.
  if (x + width > work.right) x = work.right - width;
  if (y + height > work.bottom) y = work.bottom - height;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  ::SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CReciteBar::OnCommand(int id) {
  if (id == IDC_RECORD_SHOWN) {
    // Waits until the owner has recorded the word.
    ::SendMessageA(::GetWindow(Handle(), GW_OWNER), WM_RECORD_SHOWN_WORD, 0, 0);
    return true;
  }
  if (id >= 0x8000) {
    // The speed menu and "弹出主窗口" are the main window's commands.
    ::SendMessageA(::GetWindow(Handle(), GW_OWNER), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return true;
  }
  return false;
}

bool CReciteBar::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM lParam, LRESULT& /*result*/) {
  switch (msg) {
    case WM_RBUTTONDOWN:
      ShowStripMenu();
      return false;
    case WM_LBUTTONDOWN:
      win::DragByClientArea(Handle(), lParam);
      return false;
    default:
      return false;
  }
}

void CReciteBar::ShowStripMenu() {
  win::Menu menu = win::Menu::Load(IDR_STRIP_MENU);
  HMENU popup = menu.SubMenu(0);
  if (popup == nullptr) return;
  // Behind a modal window of ours only "弹出主窗口" may act.
  if (!::IsWindowEnabled(::GetWindow(Handle(), GW_OWNER)))
    win::GrayMenuItemsBut(popup, ID_SHOW_MAIN_WINDOW);
  win::TrackPopupAtCursor(popup, Handle(), true);
}

void CReciteBar::OnDestroy() {
  ::GetWindowRect(Handle(), &lastPlace_);
  placed_ = true;
}

}  // namespace vodari
