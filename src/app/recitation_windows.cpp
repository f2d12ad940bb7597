#include "app/recitation_windows.h"

#include "res/resource.h"

namespace vodari {

void RecitationWindows::StartReciteTimer(int seconds) {
  // Setting a timer again replaces it: the next tick comes a full period on.
  ::SetTimer(main_.Handle(), kReciteTimer, static_cast<UINT>(seconds) * 1000u, nullptr);
}

void RecitationWindows::StopReciteTimer() { ::KillTimer(main_.Handle(), kReciteTimer); }

void RecitationWindows::ShowReciting(bool reciting) {
  main_.SetItemText(IDC_RECITE, reciting ? "结束" : "开始");
}

void RecitationWindows::EnableSettingsButtons(bool enable) {
  main_.EnableItem(IDC_SETTINGS, enable);
  main_.EnableItem(IDC_RECITE_SETTINGS, enable);
}

void RecitationWindows::KeepMainWindowOnTop(bool onTop) {
  ::SetWindowPos(main_.Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vodari
