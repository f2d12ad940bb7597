// The main window's life in the notification area: hiding into it, showing
// again, the icon's mouse events and the two pop-up menus built on the main
// menu resource. The icon, once added, stays until the program closes. The
// main window is never hidden without the icon, or the program could not be
// reached any more; nor while one of our modal windows disables it.
#pragma once

#include <windows.h>

#include "study/study_options.h"
#include "win/dialog.h"
#include "win/menu.h"
#include "win/tray_icon.h"

namespace vodari {

class MainWindowTray {
 public:
  MainWindowTray(win::Dialog& dialog, HICON icon, StudyOptions& options);

  // Adds the icon and hides the main window; false, with the window left
  // shown, when the icon cannot be added.
  bool MinimiseToTray();
  // Shows a hidden main window and brings it to the top, or hides a shown
  // one as MinimiseToTray does, unless a modal window of ours disables it.
  void ToggleMainWindow();
  // Shows the main window in its normal state and brings it to the top.
  void ShowMainWindow();
  // The icon's callback: a double click toggles the main window, a right
  // click opens the icon's menu.
  void OnTrayCallback(UINT mouseMessage);
  // The main dialog's right-click menu.
  void ShowMainMenu();
  void RemoveIcon() { icon10_.Remove(dialog_.Handle()); }
  // The shell restarted and forgot its icons: the icon comes back; should
  // that fail, a hidden main window shows itself.
  void OnShellRestart();

  // Menu 131 as the icon shows it: while reciting, the test items are grayed
  // and the recitation item reads "结束背单词". While `blocked` (a modal
  // window of ours disables the main window) every item but "最  大  化" is
  // grayed: nothing may act behind the modal window.
  static win::Menu TrayMenu(bool reciting, bool blocked);

 private:
  bool Blocked() const { return !::IsWindowEnabled(dialog_.Handle()); }

  win::Dialog& dialog_;
  HICON icon_;
  StudyOptions& options_;
  win::TrayIcon icon10_;
};

}  // namespace vodari
