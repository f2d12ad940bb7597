#include "window_query.h"

#include <algorithm>
#include <vector>

namespace nhw32 {
namespace {

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool IsProbe(HWND window) { return SameName(ClassNameOf(window), kProbeClass); }

// Most top-level windows looked at when the probe window hides the point.
constexpr int kMaxTopLevelWindows = 4096;

// The deepest visible child of `window` under the point.
HWND DeepestChildAt(HWND window, POINT screenPoint) {
  for (int depth = 0; depth < 64; ++depth) {
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);
    HWND child = ::ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) break;
    window = child;
  }
  return window;
}

}  // namespace

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const Deadline& deadline,
                LRESULT& result) {
  DWORD_PTR answer = 0;
  if (deadline.Passed()) return false;
  if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             deadline.MessageTimeout(), &answer))
    return false;
  result = static_cast<LRESULT>(answer);
  return true;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[128] = {};
  const int length = ::GetClassNameW(window, name, 128);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring BaseClassOf(HWND window) {
  wchar_t name[128] = {};
  const UINT length = ::RealGetWindowClassW(window, name, 128);
  return std::wstring(name, length < 128 ? length : 0);
}

bool SameName(const std::wstring& a, const wchar_t* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return i == a.size() && !b[i];
}

bool ContainsName(const std::wstring& name, const wchar_t* part) {
  std::wstring lowerName, lowerPart;
  for (wchar_t c : name) lowerName += LowerAscii(c);
  for (const wchar_t* p = part; *p; ++p) lowerPart += LowerAscii(*p);
  return lowerName.find(lowerPart) != std::wstring::npos;
}

HWND WindowUnderPoint(POINT screenPoint) {
  HWND window = ::WindowFromPoint(screenPoint);
  if (!window || !IsProbe(window)) return window;
  // Walk the top-level windows in z-order as WindowFromPoint does, passing
  // over the probe window.
  HWND top = ::GetTopWindow(nullptr);
  for (int seen = 0; top && seen < kMaxTopLevelWindows; ++seen, top = ::GetWindow(top, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(top) || IsProbe(top)) continue;
    if (::GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
    RECT rect;
    if (::GetWindowRect(top, &rect) && ::PtInRect(&rect, screenPoint)) return DeepestChildAt(top, screenPoint);
  }
  return nullptr;
}

bool WindowTextOf(HWND window, const Deadline& deadline, std::u16string& text) {
  std::vector<wchar_t> buffer(kMaxReadUnits + 1, L'\0');
  LRESULT copied = 0;
  if (!SendWithin(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), deadline, copied))
    return false;
  buffer.back() = L'\0';
  text.assign(reinterpret_cast<const char16_t*>(buffer.data()));
  return true;
}

ControlFont::ControlFont(HWND window, const Deadline& deadline) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process == ::GetCurrentProcessId() && (dc_ = ::GetDC(window)) != nullptr) {
    window_ = window;
  } else {
    dc_ = ::CreateCompatibleDC(nullptr);
  }
  if (!dc_) return;
  LRESULT font = 0;
  if (SendWithin(window, WM_GETFONT, 0, 0, deadline, font) && font)
    previous_ = ::SelectObject(dc_, reinterpret_cast<HFONT>(font));
  if (!previous_) {
    // A control without a font draws with the system font. Another
    // program's font cannot be used from here: most such controls sit in
    // dialogs, which draw with the dialog font.
    previous_ = ::SelectObject(dc_, ::GetStockObject(font ? DEFAULT_GUI_FONT : SYSTEM_FONT));
  }
  TEXTMETRICW metrics = {};
  if (::GetTextMetricsW(dc_, &metrics) && metrics.tmHeight > 0) lineHeight_ = metrics.tmHeight;
}

ControlFont::~ControlFont() {
  if (dc_) {
    if (previous_) ::SelectObject(dc_, previous_);
    if (window_) {
      ::ReleaseDC(window_, dc_);
    } else {
      ::DeleteDC(dc_);
    }
  }
}

int ControlFont::Width(const std::u16string& text, std::size_t begin, std::size_t end) const {
  if (!dc_ || end <= begin || end > text.size()) return 0;
  SIZE size = {};
  ::GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()) + begin, static_cast<int>(end - begin),
                          &size);
  return size.cx;
}

TextWidths ControlFont::Widths(const std::u16string& text) const {
  TextWidths widths;
  widths.prefix.assign(text.size() + 1, 0);
  std::vector<int> extents(text.size(), 0);
  SIZE size = {};
  if (!dc_ || text.empty() ||
      !::GetTextExtentExPointW(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                               static_cast<int>(text.size()), 0, nullptr, extents.data(), &size))
    return widths;
  std::copy(extents.begin(), extents.end(), widths.prefix.begin() + 1);
  return widths;
}

}  // namespace nhw32
