// Asking other programs' windows, with time-outs and bounded sizes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "text_source.h"

namespace nhw32 {

// The probe window the program lays across the line under the pointer.
constexpr wchar_t kProbeClass[] = L"NHD_FLYWIN_DEMO";

// Most UTF-16 units read from any one control.
constexpr std::size_t kMaxReadUnits = 4096;

// SendMessageTimeout that gives up when the window's program hangs or the
// capture's time runs out; false when no answer came.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const Deadline& deadline,
                LRESULT& result);

std::wstring ClassNameOf(HWND window);
// The class the window is built on (an Edit for a superclassed edit).
std::wstring BaseClassOf(HWND window);
bool SameName(const std::wstring& a, const wchar_t* b);  // ASCII case ignored
bool ContainsName(const std::wstring& name, const wchar_t* part);

// The window under a screen point, passing over the program's probe window.
HWND WindowUnderPoint(POINT screenPoint);

// The window's text by WM_GETTEXT, at most kMaxReadUnits units.
bool WindowTextOf(HWND window, const Deadline& deadline, std::u16string& text);

// Widths of the beginnings of a text: prefix[i] is the width of text[0, i).
struct TextWidths {
  std::vector<int> prefix = {0};
  int Width(std::size_t begin, std::size_t end) const {
    return begin <= end && end < prefix.size() ? prefix[end] - prefix[begin] : 0;
  }
};

// A device context with the window's font (WM_GETFONT) selected: the
// window's own when it belongs to this program; else a memory one with the
// nearest stock font, since another program's font cannot be used here.
// Measures text as the control draws it.
class ControlFont {
 public:
  ControlFont(HWND window, const Deadline& deadline);
  ~ControlFont();
  ControlFont(const ControlFont&) = delete;
  ControlFont& operator=(const ControlFont&) = delete;

  int Width(const std::u16string& text, std::size_t begin, std::size_t end) const;
  TextWidths Widths(const std::u16string& text) const;
  int LineHeight() const { return lineHeight_; }
  // Measures each piece of the text as it is drawn. A long text is measured
  // once instead, from the widths of its beginnings: measuring its pieces
  // afresh would cost time quadratic in its length, in the other program's
  // own thread when the layout runs there. (The widths of the beginnings
  // are less exact where characters come from fallback fonts.)
  MeasureText Measure(const std::u16string& text) const {
    constexpr std::size_t kPieceByPieceUnits = 512;
    if (text.size() <= kPieceByPieceUnits)
      return [this, &text](std::size_t begin, std::size_t end) { return Width(text, begin, end); };
    auto widths = std::make_shared<const TextWidths>(Widths(text));
    return [widths](std::size_t begin, std::size_t end) { return widths->Width(begin, end); };
  }

 private:
  HWND window_ = nullptr;  // set when dc_ is the window's own
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int lineHeight_ = 16;
};

}  // namespace nhw32
