// An owned menu handle and the few menu operations the dialogs share: loading
// a menu resource, changing items by command id and tracking a pop-up at the
// mouse pointer.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class Menu {
 public:
  Menu() = default;
  explicit Menu(HMENU menu) : menu_(menu) {}
  ~Menu() { Reset(); }
  Menu(Menu&& other) noexcept : menu_(other.Release()) {}
  Menu& operator=(Menu&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  // Menu resource `resourceId` of the program's module; empty when missing.
  static Menu Load(int resourceId);

  HMENU Get() const { return menu_; }
  explicit operator bool() const { return menu_ != nullptr; }
  // The pop-up at `position` (from 0); it belongs to this menu. Null when
  // there is none.
  HMENU SubMenu(int position) const;

  // Gives the handle up, for instance to a window that takes the menu as its
  // menu bar and destroys it with itself.
  HMENU Release() {
    HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
  }
  void Reset(HMENU menu = nullptr);

 private:
  HMENU menu_ = nullptr;
};

// Item changes by command id, anywhere in `menu` and its pop-ups.
void GrayMenuItem(HMENU menu, int commandId);
void SetMenuItemText(HMENU menu, int commandId, const std::string& text);
void RemoveMenuItem(HMENU menu, int commandId);
// Grays every item of `menu`'s own level (a pop-up item grays its whole
// pop-up) except the one with `commandId`.
void GrayMenuItemsBut(HMENU menu, int commandId);

// Tracks `popup` at the mouse pointer, left-aligned, with the left button,
// owned by `owner`, which receives the chosen command as WM_COMMAND. With
// `bringOwnerToFront`, the owner first becomes the foreground window, so that
// a click elsewhere closes the menu (needed when the menu is opened from a
// notification-area icon). Returns false when the menu could not be shown.
bool TrackPopupAtCursor(HMENU popup, HWND owner, bool bringOwnerToFront = false);

}  // namespace win
