// The entry points of nhw32.dll, as the program binds them: the standard API
// calling convention, undecorated names (nhw32.def).
//
//   SetNHW32()                          starts the capture worker; 1, or 0 when it cannot run
//   ResetNHW32()                        ends it; nothing read is kept
//   BL_SetFlag32(code, window, x, y)    1000: capture at screen point (x, y), report to window;
//                                       1002: stop
//   BL_GetText32(buffer, size, area)    the text and the word's screen rectangle
#include <windows.h>

#include <memory>

#include "capture_service.h"

namespace {

constexpr int kCaptureStart = 1000;
constexpr int kCaptureStop = 1002;

// The library's one worker, used from the program's thread only.
std::shared_ptr<nhw32::CaptureService> g_service;

bool EnsureService() {
  if (!g_service) g_service = nhw32::CaptureService::Start();
  return g_service != nullptr;
}

}  // namespace

extern "C" {

int WINAPI SetNHW32() {
  try {
    return EnsureService() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

int WINAPI ResetNHW32() {
  if (g_service) {
    g_service->Shutdown();
    g_service.reset();
  }
  return 1;
}

int WINAPI BL_SetFlag32(int code, HWND window, int x, int y) {
  try {
    if (code == kCaptureStart) {
      if (!EnsureService()) return 0;
      g_service->Begin(window, POINT{x, y});
    } else if (code == kCaptureStop) {
      if (g_service) g_service->Stop();
    }
    return 1;
  } catch (...) {
    return 0;
  }
}

int WINAPI BL_GetText32(char* buffer, int size, RECT* area) {
  if (g_service) {
    g_service->CopyText(buffer, size, area);
  } else {
    if (buffer && size > 0) buffer[0] = '\0';
    if (area) *area = RECT{};
  }
  return 1;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) ::DisableThreadLibraryCalls(instance);
  return TRUE;
}
