#include "win/tray_icon.h"

#include <shellapi.h>

namespace win {
namespace {

// The first NOTIFYICONDATA layout: size, window, id, flags, callback, icon
// and a 64-byte tip.
constexpr DWORD kClassicSize = 88;

NOTIFYICONDATAA Record(HWND owner, UINT id) {
  NOTIFYICONDATAA data = {};
  data.cbSize = kClassicSize;
  data.hWnd = owner;
  data.uID = id;
  return data;
}

}  // namespace

bool TrayIcon::Add(HWND owner, HICON icon, const std::string& tip) {
  if (owner_ != nullptr) return true;
  NOTIFYICONDATAA data = Record(owner, id_);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon;
  lstrcpynA(data.szTip, tip.c_str(), 64);
  if (!::Shell_NotifyIconA(NIM_ADD, &data)) return false;
  owner_ = owner;
  icon_ = icon;
  tip_ = tip;
  return true;
}

bool TrayIcon::AddAgain() {
  const HWND owner = owner_;
  if (owner == nullptr) return true;
  owner_ = nullptr;
  return Add(owner, icon_, tip_);
}

void TrayIcon::Remove(HWND owner) {
  if (owner == nullptr) owner = owner_;
  if (owner == nullptr) return;
  NOTIFYICONDATAA data = Record(owner, id_);
  ::Shell_NotifyIconA(NIM_DELETE, &data);
  owner_ = nullptr;
}

}  // namespace win
