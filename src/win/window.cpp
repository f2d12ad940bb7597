#include "win/window.h"

namespace win {
namespace {

// The window property that ties a window to its object (as for dialogs; the
// user data slot belongs to the control's own class).
const char kWindowProperty[] = "win.Window";

}  // namespace

Window::~Window() {
  HWND hwnd = hwnd_;
  if (hwnd == nullptr) return;
  // The derived part is gone already: unbind first, so that the messages of
  // the destruction no longer reach this object.
  const bool plain = original_ == nullptr;
  Unbind();
  if (plain) ::DestroyWindow(hwnd);
}

bool Window::Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                    const RECT& rect, HWND parent) {
  if (hwnd_ != nullptr) return false;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  if (!::GetClassInfoA(instance, className, &windowClass)) {
    windowClass.lpfnWndProc = StaticProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!::RegisterClassA(&windowClass)) return false;
  }
  ::CreateWindowExA(exStyle, className, title, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, instance,
                    this);
  return hwnd_ != nullptr;
}

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
  if (original_ != nullptr) return ::CallWindowProcA(original_, hwnd_, msg, wParam, lParam);
  return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void Window::Bind(HWND hwnd) {
  hwnd_ = hwnd;
  ::SetPropA(hwnd, kWindowProperty, this);
}

void Window::Unbind() {
  if (hwnd_ == nullptr) return;
  ::RemovePropA(hwnd_, kWindowProperty);
  if (original_ != nullptr) {
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    original_ = nullptr;
  }
  hwnd_ = nullptr;
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (self == nullptr && msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (self != nullptr) self->Bind(hwnd);
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) have no object yet.
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
