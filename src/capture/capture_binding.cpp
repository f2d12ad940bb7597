#include "capture/capture_binding.h"

#include <cstring>

namespace vodari {
namespace {

// The binding's state; the capture library talks to one probe window per
// process, so there is exactly one.
struct CaptureState {
  HMODULE library = nullptr;
  HWND probeWindow = nullptr;
  HWND notifyWindow = nullptr;
  char textBuffer[1024] = {};
};

CaptureState& State() {
  static CaptureState state;
  return state;
}

}  // namespace

HWND NHD_InitGetWords(HINSTANCE /*instance*/, HWND notifyWindow) {
  // No capture library is bound yet: capture is unavailable.
  State().notifyWindow = notifyWindow;
  return nullptr;
}

void CaptureAtPoint(int /*x*/, int /*y*/) {
  if (!State().library) return;
}

int CaptureTakeText(char* buffer, int size) {
  const std::size_t length = std::strlen(State().textBuffer);
  if (size <= 0 || length + 1 > static_cast<std::size_t>(size)) return 0;
  std::memset(buffer, 0, static_cast<std::size_t>(size));
  std::memcpy(buffer, State().textBuffer, length);
  return 1;
}

int CaptureShutdown() {
  CaptureState& state = State();
  if (state.library) ::FreeLibrary(state.library);
  state.library = nullptr;
  if (state.probeWindow) ::DestroyWindow(state.probeWindow);
  state.probeWindow = nullptr;
  return 1;
}

}  // namespace vodari
