// Message boxes of the program: the executable's name as caption, owned by
// the active window unless an owner is given.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The program's name: the executable's file name without folder or ".exe".
std::string ProgramName();

// Shows `text` with an OK button and `icon` (MB_ICONWARNING by default),
// owned by `owner`, or by the active window when `owner` is null. Returns the
// button pressed.
int ShowMessageBox(const std::string& text, UINT icon = MB_ICONWARNING, HWND owner = nullptr);

}  // namespace win
