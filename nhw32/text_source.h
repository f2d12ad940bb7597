// One way of reading the text under the pointer in another program's
// window. The capture worker asks each source in turn.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "capture_words.h"

namespace nhw32 {

// The time left for one capture. Every cross-process call takes its time-out
// from here, so a capture never outlasts its budget by more than one call.
class Deadline {
 public:
  // `budgetMs` from `startTick` (a GetTickCount value).
  Deadline(DWORD startTick, DWORD budgetMs) : end_(startTick + budgetMs) {}
  DWORD Remaining() const {
    const DWORD now = ::GetTickCount();
    return static_cast<LONG>(end_ - now) > 0 ? end_ - now : 0;
  }
  bool Passed() const { return Remaining() == 0; }
  // Time-out for one message: the time left, at most `cap` ms, at least 1.
  UINT MessageTimeout(DWORD cap = 50) const {
    const DWORD left = Remaining();
    return left == 0 ? 1 : (left < cap ? left : cap);
  }

 private:
  DWORD end_;
};

// A line of text read from the screen and the pointer's place in it.
struct CapturedLine {
  std::u16string text;
  std::size_t index = 0;
  // Screen rectangle of text[begin, end), when the source can tell.
  std::function<RECT(const WordSpan&)> locate;
};

enum class ReadResult {
  kNotMine,  // this source does not handle the window; ask the next one
  kRead,     // handled; `line` holds what lies under the pointer (may be empty)
};

class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline,
                          CapturedLine& line) = 0;
};

class OwnerLayout;

// The sources; they live on the capture worker, which asks them in turn.
// Those given an OwnerLayout lay text out or measure it inside the program
// that owns the window, where they can.
std::unique_ptr<TextSource> MakeEditSource();
std::unique_ptr<TextSource> MakeHookSource(std::shared_ptr<OwnerLayout> owner);
std::unique_ptr<TextSource> MakeControlSource();
std::unique_ptr<TextSource> MakeAccessibleSource(std::shared_ptr<OwnerLayout> owner);
std::unique_ptr<TextSource> MakeConsoleSource();

// UI Automation, on one automation thread: the text pattern, asked before
// the sources that measure text themselves, and the value or name of an
// element without it, asked after every other source.
struct AutomationSources {
  std::unique_ptr<TextSource> textPattern;
  std::unique_ptr<TextSource> labels;
};
AutomationSources MakeAutomationSources();

}  // namespace nhw32
