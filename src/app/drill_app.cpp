#include "app/drill_app.h"

#include "app/drill_dlg.h"
#include "capture/capture_binding.h"
#include "win/dialog.h"
#include "win/message_box.h"

namespace vodari {

namespace {

// On Windows 9x the capture library's resident program cannot share the
// screen with us.
bool CaptureProgramBlocksStart() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!::GetVersionExA(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
         ::FindWindowA(nullptr, "NHD_FlyWindow") != nullptr;
}

}  // namespace

int CDrillApp::Run(HINSTANCE instance) {
  win::SetDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
  if (CaptureProgramBlocksStart()) {
    win::ShowMessageBox("Find nhstart.exe is running, please close it.");
    return 0;
  }
  CDrillDlg dialog(instance);
  main_ = &dialog;
  win::SetMessageFilter(this);
  dialog.RunModal(nullptr);
  win::SetMessageFilter(nullptr);
  main_ = nullptr;
  return 0;
}

bool CDrillApp::Filter(MSG& msg) {
  const bool ctrl = msg.message == WM_KEYDOWN && msg.wParam == VK_CONTROL;
  if (ctrl || (main_ && main_->Idle().TakeDueCapture())) {
    POINT point;
    if (::GetCursorPos(&point) && CaptureAtPoint(point.x, point.y) && main_)
      main_->NoteCaptureStart(ctrl);
  }
  return false;  // the message goes on to the dialogs
}

}  // namespace vodari
