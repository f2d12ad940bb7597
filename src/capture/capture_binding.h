// The binding to the screen-capture library nhw32.dll, loaded at run time.
// The library reads the text under the mouse pointer in another program's
// window; it is told where through a small probe window of ours, laid as a
// one-pixel strip over the line under the pointer, and reports back to that
// window with the registered message "BL_HASSTRING". Everything runs on the
// GUI thread.
#pragma once

#include <windows.h>

namespace vodari {

// Binds the library and creates the probe window; returns the probe window,
// or null when capture is not available (the library then is unbound).
// Every capture ends with WM_CAPTURE_DONE posted to `notifyWindow`.
HWND NHD_InitGetWords(HINSTANCE instance, HWND notifyWindow);
// Starts a capture at a screen point and returns at once; while a capture
// is pending it starts over. Does nothing, and returns false, while the
// library is not bound or when the point lies on a window of this program:
// the program never reads its own words.
bool CaptureAtPoint(int x, int y);
// Copies the last captured text into `buffer`, zero-filled; 0 (and `buffer`
// untouched) when the text and its terminator do not fit, else 1.
int CaptureTakeText(char* buffer, int size);
// Unbinds the library and destroys the probe window; always 1.
int CaptureShutdown();

}  // namespace vodari
