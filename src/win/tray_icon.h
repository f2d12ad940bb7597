// A notification-area icon of a window, in the classic 88-byte record that
// every version of the shell understands. Adding an icon that is there
// already changes nothing; the icon is removed when the object goes. A shell
// that restarts forgets its icons: AddAgain puts this one back.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class TrayIcon {
 public:
  TrayIcon(UINT id, UINT callbackMessage) : id_(id), callbackMessage_(callbackMessage) {}
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `owner` with `tip` (at most 63 bytes are shown); mouse
  // events on it reach `owner` as the callback message.
  bool Add(HWND owner, HICON icon, const std::string& tip);
  // Adds the icon again as it was last added, when it is shown: for a shell
  // that restarted ("TaskbarCreated"). False when it was shown and could not
  // be added again.
  bool AddAgain();
  // Deletes the icon of this id from `owner` (or the owner it was added
  // for), whether or not it is shown.
  void Remove(HWND owner = nullptr);
  bool Shown() const { return owner_ != nullptr; }

 private:
  UINT id_;
  UINT callbackMessage_;
  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  std::string tip_;
};

}  // namespace win
