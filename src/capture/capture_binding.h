// The binding to the screen-capture library. Until the library is bound,
// initialisation reports failure and captures do nothing.
#pragma once

#include <windows.h>

namespace vodari {

// Binds the capture library and creates its probe window; returns the probe
// window, or null when capture is not available. Captures end with
// WM_CAPTURE_DONE posted to `notifyWindow`.
HWND NHD_InitGetWords(HINSTANCE instance, HWND notifyWindow);
// Starts a capture at a screen point; does nothing while unbound.
void CaptureAtPoint(int x, int y);
// Copies the last captured text into `buffer`; 0 when it does not fit.
int CaptureTakeText(char* buffer, int size);
// Unbinds everything; always 1.
int CaptureShutdown();

}  // namespace vodari
