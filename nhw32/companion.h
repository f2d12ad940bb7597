// The 64-bit companion process: a 32-bit module cannot be loaded into a
// 64-bit program, so for those the library asks nhw32_x64.exe (beside this
// library) to set the measuring hook of nhw32_64.dll instead.
#pragma once

#include <windows.h>

#include "text_source.h"

namespace nhw32 {

// Class of the companion's message-only window; its title is the id of the
// process that started it.
constexpr wchar_t kCompanionClass[] = L"NHW32_X64_COMPANION";
// Sent to that window: wParam is the sequence number of a request whose
// block the asking process has filled. Answered with 1 once the hook has
// answered, else 0.
constexpr UINT kCompanionMeasure = WM_APP + 20;

class Companion {
 public:
  // Starts the companion when this 32-bit library runs on a 64-bit system.
  Companion();
  // Asks it to close, and ends it when it does not within a short time.
  ~Companion();
  Companion(const Companion&) = delete;
  Companion& operator=(const Companion&) = delete;

  // Has the companion measure the request `sequence`; false when it is not
  // there (yet) or gave no answer in time.
  bool Measure(DWORD sequence, const Deadline& deadline);

 private:
  // The companion's window, when it belongs to the process started here.
  HWND OwnWindow() const;

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// True when `process` and this library differ in bitness (the 64-bit build
// is only loaded as a hook, and never asks).
bool IsOtherBitness(HANDLE process);
// The same for the program that owns `window`; false when it cannot be told.
bool IsOtherBitnessWindow(HWND window);

}  // namespace nhw32
