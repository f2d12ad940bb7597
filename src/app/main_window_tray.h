// The main window's life in the notification area: hiding into it, showing
// again, the icon's mouse events and the two pop-up menus built on the main
// menu resource. The icon, once added, stays until the program closes.
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

  // Adds the icon and hides the main window.
  void MinimiseToTray();
  // Shows a hidden main window and brings it to the top, or hides a shown
  // one (without adding the icon).
  void ToggleMainWindow();
  // Shows the main window in its normal state and brings it to the top.
  void ShowMainWindow();
  // The icon's callback: a double click toggles the main window, a right
  // click opens the icon's menu.
  void OnTrayCallback(UINT mouseMessage);
  // The main dialog's right-click menu.
  void ShowMainMenu();
  void RemoveIcon() { icon10_.Remove(dialog_.Handle()); }

  // Menu 131 as the icon shows it: while reciting, the test items are grayed
  // and the recitation item reads "结束背单词".
  static win::Menu TrayMenu(bool reciting);

 private:
  win::Dialog& dialog_;
  HICON icon_;
  StudyOptions& options_;
  win::TrayIcon icon10_;
};

}  // namespace vodari
