// The application object: starts the program, runs the main dialog and
// filters every message of the program's loops to start screen captures.
#pragma once

#include <windows.h>

#include "win/dialog.h"

namespace vodari {

class CDrillDlg;

class CDrillApp : private win::MessageFilter {
 public:
  // Runs the whole program; returns the process exit code.
  int Run(HINSTANCE instance);

 private:
  // Sees first every message our loops take from the queue: a Ctrl
  // key-down, or a capture due by the main dialog's idle count (once per
  // count), starts a capture at the mouse pointer. The message then goes on.
  bool Filter(MSG& msg) override;

  CDrillDlg* main_ = nullptr;  // while it runs
};

}  // namespace vodari
