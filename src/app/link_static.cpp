#include "app/link_static.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "app/link_rules.h"
#include "win/message_box.h"

namespace vodari {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kHandCursorResource = 106;  // the hand of the Windows help viewer
constexpr DWORD kRegistryValueSize = 260;

// The default value of `key` under HKEY_CLASSES_ROOT; 0 or the registry's
// error code. A value that cannot be read (missing, or longer than the
// buffer) is an error too, so that no half value is ever used.
LONG ReadClassesRootValue(const std::string& key, std::string& value) {
  HKEY handle = nullptr;
  LONG error = ::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &handle);
  if (error != ERROR_SUCCESS) return error;
  char buffer[kRegistryValueSize] = {};
  LONG size = sizeof buffer;
  error = ::RegQueryValueA(handle, nullptr, buffer, &size);
  ::RegCloseKey(handle);
  if (error != ERROR_SUCCESS) return error;
  buffer[sizeof buffer - 1] = '\0';
  value = buffer;
  return ERROR_SUCCESS;
}

std::string WindowText(HWND hwnd) {
  std::vector<char> buffer(static_cast<size_t>(::GetWindowTextLengthA(hwnd)) + 1);
  const int length = ::GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

CLinkStatic::CLinkStatic() : hoverColor(::GetSysColor(COLOR_HIGHLIGHT)) {}

CLinkStatic::~CLinkStatic() { DestroyTooltip(); }

bool CLinkStatic::AttachLink(HWND control) {
  if (!Subclass(control)) return false;
  ::SetWindowLongA(control, GWL_STYLE, ::GetWindowLongA(control, GWL_STYLE) | SS_NOTIFY);
  if (target.empty()) target = WindowText(control);
  if (WindowText(control).empty()) ::SetWindowTextA(control, target.c_str());
  RebuildFont();
  ResizeToText();
  LoadHandCursor();
  CreateTooltip();
  return true;
}

void CLinkStatic::SetTarget(const std::string& newTarget) {
  target = newTarget;
  if (Handle() == nullptr) return;
  ResizeToText();
  SetTooltipText();
}

void CLinkStatic::SetUnderlined(bool on) {
  underlined = on;
  if (Handle() == nullptr) return;
  RebuildFont();
  Redraw(false);
}

void CLinkStatic::MarkVisited(bool on) {
  visited = on;
  if (Handle() != nullptr) Redraw(false);
}

void CLinkStatic::RebuildFont() {
  // The control's current font: the dialog's at first, then our own.
  HGDIOBJ current = reinterpret_cast<HGDIOBJ>(::SendMessageA(Handle(), WM_GETFONT, 0, 0));
  if (current == nullptr) current = ::GetStockObject(SYSTEM_FONT);
  LOGFONTA description = {};
  ::GetObjectA(current, sizeof description, &description);
  description.lfUnderline = underlined ? TRUE : FALSE;
  win::GdiFont font = win::GdiFont::FromDescription(description);
  if (!font) return;
  // The control lets go of the old font before it is deleted.
  ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  linkFont = std::move(font);
}

void CLinkStatic::ResizeToText() {
  if (Handle() == nullptr || !fitToText) return;
  RECT rect;
  ::GetWindowRect(Handle(), &rect);
  if (HWND parent = ::GetParent(Handle()))
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);

  const std::string caption = WindowText(Handle());
  SIZE text = {};
  HDC dc = ::GetDC(Handle());
  HGDIOBJ previous = ::SelectObject(dc, linkFont.Get());
  ::GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  ::SelectObject(dc, previous);
  ::ReleaseDC(Handle(), dc);

  const LinkRect fitted =
      FitRectToText({rect.left, rect.top, rect.right, rect.bottom}, text.cx, text.cy,
                    static_cast<unsigned>(::GetWindowLongA(Handle(), GWL_STYLE)));
  ::SetWindowPos(Handle(), nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkStatic::LoadHandCursor() {
  if (handCursor) return;
  char folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryA(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    const std::string path = std::string(folder) + "\\winhlp32.exe";
    // Only its resources are wanted: no code of it is run.
    if (HMODULE viewer = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
      if (HCURSOR hand = ::LoadCursorA(viewer, MAKEINTRESOURCEA(kHandCursorResource)))
        handCursor.reset(::CopyIcon(hand));  // outlives the library
      ::FreeLibrary(viewer);
    }
  }
  // Systems without the help viewer or its cursor have a hand of their own.
  if (!handCursor) {
    if (HCURSOR hand = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)))
      handCursor.reset(::CopyIcon(hand));
  }
}

void CLinkStatic::CreateTooltip() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&classes);
  tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              Handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (tooltip == nullptr) return;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
  tool.hwnd = Handle();
  tool.uId = kToolId;
  ::GetClientRect(Handle(), &tool.rect);
  tool.lpszText = const_cast<char*>(target.c_str());
  ::SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CLinkStatic::SetTooltipText() {
  if (tooltip == nullptr) return;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = Handle();
  tool.uId = kToolId;
  tool.lpszText = const_cast<char*>(target.c_str());
  ::SendMessageA(tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CLinkStatic::DestroyTooltip() {
  if (tooltip != nullptr) ::DestroyWindow(tooltip);
  tooltip = nullptr;
}

bool CLinkStatic::PreTranslateMessage(MSG& msg) {
  if (tooltip != nullptr)
    ::SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  return false;
}

bool CLinkStatic::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/,
                                     LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    OnLinkClicked();
    return true;
  }
  if (msg == WM_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, pointerInside ? hoverColor : visited ? visitedColor : linkColor);
    ::SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    return true;
  }
  return false;
}

LRESULT CLinkStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETCURSOR:
      if (!handCursor) break;
      ::SetCursor(handCursor.get());
      return TRUE;
    case WM_MOUSEMOVE: {
      const LRESULT result = Default(msg, wParam, lParam);
      OnMouseMove(lParam);
      return result;
    }
    case WM_CAPTURECHANGED:
      // Taken away by someone else (a message box, another program): the
      // pointer is no longer watched, so the link must not stay lit.
      if (pointerInside && reinterpret_cast<HWND>(lParam) != Handle()) {
        pointerInside = false;
        Redraw(true);
      }
      break;
    case WM_DESTROY:
      DestroyTooltip();
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

void CLinkStatic::OnMouseMove(LPARAM position) {
  if (!pointerInside) {
    pointerInside = true;
    Redraw(true);
    ::SetCapture(Handle());
    return;
  }
  const POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  RECT client;
  ::GetClientRect(Handle(), &client);
  if (!::PtInRect(&client, point)) {
    pointerInside = false;
    ::ReleaseCapture();
    Redraw(true);
  }
}

void CLinkStatic::Redraw(bool now) {
  // The link paints no background of its own, so the parent repaints its
  // ground under it first; drawing the text again over the old one would
  // thicken smoothed letters with every change of colour.
  RECT rect;
  ::GetWindowRect(Handle(), &rect);
  HWND parent = ::GetParent(Handle());
  const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | (now ? RDW_UPDATENOW : 0);
  if (parent == nullptr) {
    ::RedrawWindow(Handle(), nullptr, nullptr, flags);
    return;
  }
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  ::RedrawWindow(parent, &rect, nullptr, flags);
}

void CLinkStatic::OnLinkClicked() {
  const UINT_PTR result = opener_ ? opener_(target, SW_SHOW) : OpenTarget(target, SW_SHOW);
  visited = result > 32;
  if (visited) {
    MarkVisited(true);
    return;
  }
  ::MessageBeep(MB_ICONEXCLAMATION);
  ReportOpenError(static_cast<int>(result));
}

UINT_PTR CLinkStatic::OpenTarget(const std::string& target, int showCommand) {
  const UINT_PTR shellResult = reinterpret_cast<UINT_PTR>(
      ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand));
  if (shellResult > 32) return shellResult;

  // The browser registered for web pages, with the target in place of its
  // placeholder.
  std::string pageClass, registered;
  if (ReadClassesRootValue(".htm", pageClass) != ERROR_SUCCESS) return shellResult;
  if (ReadClassesRootValue(pageClass + "\\shell\\open\\command", registered) != ERROR_SUCCESS)
    return shellResult;
  const std::optional<std::string> command = FallbackCommandLine(registered, target);
  if (!command) return shellResult;
  return ::WinExec(command->c_str(), static_cast<UINT>(showCommand));
}

void CLinkStatic::ReportOpenError(int code) {
  win::ShowMessageBox(OpenErrorMessage(code), MB_ICONEXCLAMATION);
}

}  // namespace vodari
