// The windows that recitation drives: the strip, timer 1 of the main
// dialog, the recitation button's caption, the settings buttons, the main
// window's place above other programs and its life in the notification area.
#pragma once

#include <windows.h>

#include "app/main_window_tray.h"
#include "study/recite_bar.h"
#include "study/views.h"
#include "win/dialog.h"

namespace vodari {

class RecitationWindows : public ReciteView {
 public:
  static constexpr UINT_PTR kReciteTimer = 1;

  RecitationWindows(win::Dialog& mainDialog, MainWindowTray& tray)
      : main_(mainDialog), tray_(tray) {}

  void OpenStrip(bool recordButtonOff) override { reciteBar_.Open(main_.Handle(), recordButtonOff); }
  void CloseStrip() override { reciteBar_.Close(); }
  void ShowStripText(const std::string& text) override { reciteBar_.SetText(text); }
  void StartReciteTimer(int seconds) override;
  void StopReciteTimer() override;
  void ShowReciting(bool reciting) override;
  void EnableSettingsButtons(bool enable) override;
  void KeepMainWindowOnTop(bool onTop) override;
  bool MinimiseToTray() override { return tray_.MinimiseToTray(); }
  void RestoreMainWindow() override { tray_.ShowMainWindow(); }

 private:
  win::Dialog& main_;
  MainWindowTray& tray_;
  CReciteBar reciteBar_;
};

}  // namespace vodari
