// Input as a person gives it: a window is brought to the front, then keys go
// through the system's input queue (SendInput) to whatever control of it has
// the keyboard focus. Unlike messages posted to a control, this finds the
// faults of focus and activation.
#pragma once

#include <windows.h>

#include <string>

namespace vodari::remote {

// Makes `window` the foreground window and waits a moment for it; false when
// it did not become the foreground window.
bool BringToFront(HWND window);
// Presses and releases one key.
void PressKey(WORD virtualKey);
// Types `text` (ASCII) character by character.
void TypeText(const std::string& text);

}  // namespace vodari::remote
