// A console program with known words on its third row, for the capture
// library's tests. It moves its console window to a free place and writes
// the screen point of the middle of "mode" to the file named on its command
// line.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  HWND window = ::GetConsoleWindow();
  if (!window) return 3;
  ::SetWindowPos(window, HWND_TOPMOST, 0, 500, 640, 240, SWP_SHOWWINDOW);
  const wchar_t text[] = L"console mode echo words";
  DWORD written = 0;
  ::WriteConsoleOutputCharacterW(out, text, static_cast<DWORD>(std::wcslen(text)), COORD{0, 2}, &written);

  CONSOLE_SCREEN_BUFFER_INFO info = {};
  ::GetConsoleScreenBufferInfo(out, &info);
  RECT area = {};
  ::GetClientRect(window, &area);
  const int cellWidth = area.right / (info.srWindow.Right - info.srWindow.Left + 1);
  const int cellHeight = area.bottom / (info.srWindow.Bottom - info.srWindow.Top + 1);
  POINT point = {9 * cellWidth + cellWidth / 2, (2 - info.srWindow.Top) * cellHeight + cellHeight / 2};
  ::ClientToScreen(window, &point);
  FILE* file = _wfopen(argv[1], L"w");
  if (!file) return 4;
  std::fprintf(file, "console %ld %ld\n", point.x, point.y);
  std::fclose(file);
  ::Sleep(INFINITE);
  return 0;
}
