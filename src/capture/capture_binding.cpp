#include "capture/capture_binding.h"

#include <windows.h>

#include "capture/capture_rules.h"
#include "res/resource.h"
#include "win/library.h"

namespace vodari {
namespace {

// The library's entry points; all use the standard API calling convention.
using StartLibrary = int(WINAPI*)();
using StopLibrary = int(WINAPI*)();
using SetFlag = int(WINAPI*)(int code, HWND window, int x, int y);
using GetText = int(WINAPI*)(char* buffer, int size, int* area);

constexpr int CAPTURE_START = 1000;
constexpr int CAPTURE_STOP = 1002;
constexpr UINT_PTR CAPTURE_TIMER_ID = 2;
constexpr UINT kCaptureTimeoutMs = 200;

constexpr char kProbeClass[] = "NHD_FLYWIN_DEMO";
constexpr char kProbeTitle[] = "NHD_FlyWindow_Demo";

// The binding's state. The library talks to one probe window per process
// and calls back through window procedures, so it is a module singleton.
struct CaptureState {
  win::Library library;
  GetText getText = nullptr;
  SetFlag setFlag = nullptr;
  HWND probeWindow = nullptr;
  HWND notifyWindow = nullptr;
  UINT hasStringMessage = 0;
  bool pending = false;
  UINT_PTR timerId = 0;
  CaptureText text;
  int textArea[4] = {};  // filled by the library beside the text; never read
};

CaptureState& State() {
  static CaptureState state;
  return state;
}

void StopAndFetch(bool fetch) {
  CaptureState& state = State();
  state.setFlag(CAPTURE_STOP, nullptr, 0, 0);
  if (!fetch) return;
  state.getText(state.text.Buffer(), CaptureText::kSize, state.textArea);
  state.text.Seal();
}

void EndCapture() {
  CaptureState& state = State();
  ::KillTimer(state.probeWindow, CAPTURE_TIMER_ID);
  state.timerId = 0;
  ::PostMessageA(state.notifyWindow, WM_CAPTURE_DONE, 0, 0);
}

// The library had no notice for us in time: fetch whatever it has.
void CALLBACK CaptureTimeoutProc(HWND, UINT, UINT_PTR, DWORD) {
  if (State().pending) {
    State().pending = false;
    StopAndFetch(true);
  }
  EndCapture();
}

LRESULT CALLBACK CaptureProbeWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  CaptureState& state = State();
  // A notice while nothing is pending (a late one, one of a flood, or one
  // from elsewhere) is ignored.
  if (msg != 0 && msg == state.hasStringMessage && state.pending) {
    state.pending = false;
    ::KillTimer(state.probeWindow, CAPTURE_TIMER_ID);
    state.timerId = 0;
    // A nonzero wParam means no text: the previous one stays.
    StopAndFetch(wParam == 0);
    ::PostMessageA(state.notifyWindow, WM_CAPTURE_DONE, 0, 0);
    return 0;
  }
  return ::DefWindowProcA(window, msg, wParam, lParam);
}

bool CaptureBindLibrary() {
  CaptureState& state = State();
  state.library = win::Library("nhw32.dll");
  if (!state.library) return false;
  state.getText = state.library.Entry<GetText>("BL_GetText32");
  if (!state.getText) return false;
  state.setFlag = state.library.Entry<SetFlag>("BL_SetFlag32");
  if (!state.setFlag) return false;
  if (auto start = state.library.Entry<StartLibrary>("SetNHW32"))
    if (start() == 0) return false;
  return true;
}

void CaptureUnbindLibrary() {
  CaptureState& state = State();
  if (!state.library) return;
  if (auto stop = state.library.Entry<StopLibrary>("ResetNHW32")) stop();
  state.library.Reset();
  // Nothing may call into the library once it is gone.
  state.getText = nullptr;
  state.setFlag = nullptr;
  state.pending = false;
}

HWND CaptureCreateProbeWindow(HINSTANCE instance) {
  if (instance == nullptr) return nullptr;
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = CaptureProbeWndProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kProbeClass;
  ::RegisterClassA(&windowClass);  // a class left from before is reused
  return ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kProbeClass, kProbeTitle,
                           WS_POPUP | WS_VISIBLE, -1, -1, 1, 1, nullptr, nullptr, instance,
                           nullptr);
}

int CaptureDestroyProbeWindow() {
  CaptureState& state = State();
  if (state.probeWindow != nullptr) ::DestroyWindow(state.probeWindow);
  state.probeWindow = nullptr;
  return 1;
}

}  // namespace

HWND NHD_InitGetWords(HINSTANCE instance, HWND notifyWindow) {
  CaptureState& state = State();
  state.notifyWindow = notifyWindow;
  if (!CaptureBindLibrary()) {
    CaptureUnbindLibrary();
    return nullptr;
  }
  state.probeWindow = CaptureCreateProbeWindow(instance);
  if (state.probeWindow == nullptr) {
    CaptureUnbindLibrary();
    return nullptr;
  }
  state.hasStringMessage = ::RegisterWindowMessageA("BL_HASSTRING");
  if (state.hasStringMessage == 0) {
    CaptureUnbindLibrary();
    return nullptr;
  }
  return state.probeWindow;
}

bool CaptureAtPoint(int x, int y) {
  CaptureState& state = State();
  if (!state.library || state.setFlag == nullptr || state.probeWindow == nullptr) return false;

  const POINT point{x, y};
  HWND target = ::WindowFromPoint(point);
  DWORD targetProcess = 0;
  if (target != nullptr) ::GetWindowThreadProcessId(target, &targetProcess);
  if (targetProcess == ::GetCurrentProcessId()) return false;
  char className[64] = {};
  if (target != nullptr) ::GetClassNameA(target, className, sizeof className);
  RECT rect;
  ScreenRect textWindow;
  const bool overText = IsTextWindowClass(className) && ::GetWindowRect(target, &rect);
  if (overText) textWindow = {rect.left, rect.top, rect.right, rect.bottom};
  const CaptureStrip strip = CaptureStripAt(x, y, overText ? &textWindow : nullptr);

  // The strip lies over the line while the library starts reading it, and
  // goes back to its parking place, uncovering the line, only afterwards.
  ::SetWindowPos(state.probeWindow, HWND_TOPMOST, strip.x, strip.y, strip.width, strip.height,
                 SWP_NOACTIVATE | SWP_NOREDRAW);
  state.pending = true;
  state.setFlag(CAPTURE_START, state.probeWindow, x, y);
  ::MoveWindow(state.probeWindow, -1, -1, 1, 1, TRUE);
  state.timerId =
      ::SetTimer(state.probeWindow, CAPTURE_TIMER_ID, kCaptureTimeoutMs, CaptureTimeoutProc);
  return true;
}

int CaptureTakeText(char* buffer, int size) { return State().text.CopyTo(buffer, size) ? 1 : 0; }

int CaptureShutdown() {
  CaptureUnbindLibrary();
  return CaptureDestroyProbeWindow();
}

}  // namespace vodari
