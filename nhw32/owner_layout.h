// Asking the program that owns a window to lay out or measure its text in
// its own GUI thread, with the window's own device context and font (a
// message hook; for a 64-bit program through the 64-bit companion). Every
// answer is checked before use; false means "measure from here instead".
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "measure_block.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {

class Companion;

class OwnerLayout {
 public:
  OwnerLayout();
  ~OwnerLayout();
  OwnerLayout(const OwnerLayout&) = delete;
  OwnerLayout& operator=(const OwnerLayout&) = delete;

  // The static, button or list box under a screen point, read in its
  // program: the text from the word under the point on (empty when the
  // point is on no word) and the word's screen rectangle.
  bool ReadControl(HWND window, POINT screenPoint, const Deadline& deadline, std::u16string& text,
                   RECT& area);
  // The widths of `text` (at most kMaxMeasureUnits units) drawn with the
  // window's font, and its line height.
  bool MeasureText(HWND window, const std::u16string& text, const Deadline& deadline,
                   TextWidths& widths, int& lineHeight);

 private:
  struct Request;
  // Fills a fresh block with `request`, has the hook answer it and copies
  // the answer out; false when there was no answer.
  bool Ask(HWND window, const Request& request, const Deadline& deadline, MeasureBlock& answer);

  std::unique_ptr<Companion> companion_;
  // Block names differ from those of an earlier start of the library in
  // this process, which a late hook may still hold open.
  DWORD sequence_ = ::GetTickCount();
};

}  // namespace nhw32
