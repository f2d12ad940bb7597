#include "win/window.h"

namespace win {
namespace {

// The window property that ties a window to its object (as for dialogs; the
// user data slot belongs to the control's own class).
const char kWindowProperty[] = "win.Window";

}  // namespace

Window::~Window() { Unbind(); }

bool IsWindowOfThisProcess(HWND hwnd) {
  if (hwnd == nullptr) return false;
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  return process == ::GetCurrentProcessId();
}

bool Window::Subclass(HWND hwnd) {
  if (hwnd_ != nullptr || !IsWindowOfThisProcess(hwnd) || FromHandle(hwnd) != nullptr) return false;
  original_ = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  Bind(hwnd);
  ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticProc));
  return true;
}

Window* Window::FromHandle(HWND hwnd) {
  if (!IsWindowOfThisProcess(hwnd)) return nullptr;
  return static_cast<Window*>(::GetPropA(hwnd, kWindowProperty));
}

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcA(original_, hwnd_, msg, wParam, lParam);
}

void Window::Bind(HWND hwnd) {
  hwnd_ = hwnd;
  ::SetPropA(hwnd, kWindowProperty, this);
}

void Window::Unbind() {
  if (hwnd_ == nullptr) return;
  ::RemovePropA(hwnd_, kWindowProperty);
  ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  original_ = nullptr;
  hwnd_ = nullptr;
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  const LRESULT result = self->WindowProc(msg, wParam, lParam);
  if (msg == WM_NCDESTROY) self->Unbind();
  return result;
}

bool ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:  // from a control when lParam holds its handle
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      break;
    default:
      return false;
  }
  Window* control = Window::FromHandle(reinterpret_cast<HWND>(lParam));
  if (control == nullptr) return false;
  result = 0;
  return control->OnReflectedMessage(msg, wParam, lParam, result);
}

}  // namespace win
