// The rules of a screen capture that need no window: over which windows the
// capture strip spans the whole line, where the strip lies, the text the
// capture library hands back, and the word cut out of that text.
#pragma once

#include <string>

namespace vodari {

// True for the window classes of text controls (edits, rich edits, browser
// panes, consoles, word processors): the whole class name, ASCII letter case
// ignored.
bool IsTextWindowClass(const std::string& className);

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Where the probe window lies while the library reads the line under the
// pointer: one pixel high, one pixel above the pointer.
struct CaptureStrip {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The strip for a capture at (x, y). Over a text window (`textWindow` is its
// screen rectangle) it spans the window's width less the borders, starting
// at most 200 pixels left of the pointer; elsewhere it is one pixel wide at
// the pointer (`textWindow` null).
CaptureStrip CaptureStripAt(int x, int y, const ScreenRect* textWindow);

// The text buffer that the capture library fills: 1,024 bytes holding a
// zero-terminated text. It keeps its text from one capture to the next.
class CaptureText {
 public:
  static constexpr int kSize = 1024;

  char* Buffer() { return buffer_; }
  // Called after every fetch. The library is another program's code: should
  // it fill the whole buffer without a terminator, its last byte gives way
  // to one, so the text is never read past the buffer.
  void Seal() { buffer_[kSize - 1] = '\0'; }
  // Copies the text into `destination`, all of whose `size` bytes are
  // zero-filled first; false, with `destination` untouched, when the text and
  // its terminator do not fit.
  bool CopyTo(char* destination, int size) const;

 private:
  char buffer_[kSize] = {};
};

// The word of a captured text: the text up to the first of ".,;-: ", or the
// whole text when none of them occurs.
std::string CutCapturedWord(const std::string& text);

}  // namespace vodari
