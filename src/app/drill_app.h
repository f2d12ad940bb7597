// The application object: starts the program, runs the main dialog and
// filters every message of the program's loops to start screen captures.
#pragma once

#include <windows.h>

namespace vodari {

class CDrillApp {
 public:
  // Runs the whole program; returns the process exit code.
  int Run(HINSTANCE instance);

 private:
  // Called first for every message our loops take from the queue: a Ctrl
  // key-down, or a full second without key or mouse activity over the main
  // dialog, starts a capture at the mouse pointer.
  static bool PreTranslateMessage(MSG& msg);

  // Points at the main dialog's idle counter while the dialog exists.
  static int* idleTicks_;
};

}  // namespace vodari
