#include "win/menu.h"

namespace win {

Menu Menu::Load(int resourceId) {
  return Menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)));
}

HMENU Menu::SubMenu(int position) const {
  return menu_ != nullptr ? ::GetSubMenu(menu_, position) : nullptr;
}

void Menu::Reset(HMENU menu) {
  if (menu_ != nullptr && menu_ != menu) ::DestroyMenu(menu_);
  menu_ = menu;
}

void GrayMenuItem(HMENU menu, int commandId) {
  ::EnableMenuItem(menu, static_cast<UINT>(commandId), MF_BYCOMMAND | MF_GRAYED);
}

void SetMenuItemText(HMENU menu, int commandId, const std::string& text) {
  // ModifyMenu would also reset the item's state; only the text changes here.
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(text.c_str());
  ::SetMenuItemInfoA(menu, static_cast<UINT>(commandId), FALSE, &info);
}

void RemoveMenuItem(HMENU menu, int commandId) {
  ::DeleteMenu(menu, static_cast<UINT>(commandId), MF_BYCOMMAND);
}

void GrayMenuItemsBut(HMENU menu, int commandId) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    if (::GetMenuItemID(menu, i) != static_cast<UINT>(commandId))
      ::EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
  }
}

bool TrackPopupAtCursor(HMENU popup, HWND owner, bool bringOwnerToFront) {
  if (popup == nullptr) return false;
  POINT cursor = {};
  if (!::GetCursorPos(&cursor)) return false;
  if (bringOwnerToFront) ::SetForegroundWindow(owner);
  const BOOL shown = ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                                      owner, nullptr);
  // The usual companion of SetForegroundWindow before a pop-up menu: a posted
  // message makes the system notice the owner's focus change, so that the
  // menu opens properly the next time.
  if (bringOwnerToFront) ::PostMessageA(owner, WM_NULL, 0, 0);
  return shown != FALSE;
}

}  // namespace win
