#include "app/main_window_tray.h"

#include "res/resource.h"
#include "win/menu.h"

namespace vodari {
namespace {

constexpr UINT kTrayIconId = 10;

}  // namespace

MainWindowTray::MainWindowTray(win::Dialog& dialog, HICON icon, StudyOptions& options)
    : dialog_(dialog), icon_(icon), options_(options), icon10_(kTrayIconId, WM_TRAY_CALLBACK) {}

bool MainWindowTray::MinimiseToTray() {
  if (!icon10_.Add(dialog_.Handle(), icon_, "系统管理程序")) return false;
  ::ShowWindow(dialog_.Handle(), SW_HIDE);
  options_.mainWindowShown = 0;
  return true;
}

void MainWindowTray::ToggleMainWindow() {
  if (!options_.mainWindowShown)
    ShowMainWindow();
  else if (!Blocked())
    MinimiseToTray();
}

void MainWindowTray::OnShellRestart() {
  if (!icon10_.AddAgain() && !options_.mainWindowShown) ShowMainWindow();
}

void MainWindowTray::ShowMainWindow() {
  ::ShowWindow(dialog_.Handle(), SW_SHOWNORMAL);
  ::BringWindowToTop(dialog_.Handle());
  options_.mainWindowShown = 1;
}

win::Menu MainWindowTray::TrayMenu(bool reciting, bool blocked) {
  win::Menu menu = win::Menu::Load(IDR_MAIN_POPUP_MENU);
  HMENU popup = menu.SubMenu(0);
  if (popup != nullptr && reciting) {
    win::GrayMenuItem(popup, IDC_START_TEST);
    win::GrayMenuItem(popup, IDC_END_TEST);
    win::SetMenuItemText(popup, IDC_RECITE, "结束背单词");
  }
  if (popup != nullptr && blocked) win::GrayMenuItemsBut(popup, ID_TOGGLE_MAIN_WINDOW);
  return menu;
}

void MainWindowTray::OnTrayCallback(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    ToggleMainWindow();
  } else if (mouseMessage == WM_RBUTTONDOWN) {
    const win::Menu menu = TrayMenu(options_.reciting != 0, Blocked());
    // The main window may be hidden and not in front: the menu must close
    // when the user clicks elsewhere.
    win::TrackPopupAtCursor(menu.SubMenu(0), dialog_.Handle(), true);
  }
}

void MainWindowTray::ShowMainMenu() {
  win::Menu menu = win::Menu::Load(IDR_MAIN_POPUP_MENU);
  if (HMENU popup = menu.SubMenu(0)) {
    win::RemoveMenuItem(popup, ID_TOGGLE_MAIN_WINDOW);
    win::TrackPopupAtCursor(popup, dialog_.Handle());
  }
}

}  // namespace vodari
