// A scripted stand-in for the capture library nhw32.dll, for the end-to-end
// tests only. It reads "nhw32_script.txt" in the working folder, lines of
// key=value:
//   text=<the text BL_GetText32 hands back>
//   notice=0 | 1 | late | never   the "BL_HASSTRING" notice after a start: at
//                                 once with that wParam, 400 ms later with 0
//                                 (after the program's time-out; the full
//                                 build only, whose ResetNHW32 stops it), or none
//   start=<result of SetNHW32>    1 unless given
// and appends every call with its arguments to "nhw32_calls.log" there. The
// script is read again at every start, so a test can change it between
// captures. Which entry points exist is decided by the .def file of the build.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Script {
  std::string text;
  std::string notice = "0";
  int start = 1;
};

Script ReadScript() {
  Script script;
  std::FILE* file = std::fopen("nhw32_script.txt", "rb");
  if (file == nullptr) return script;
  char buffer[2048];
  while (std::fgets(buffer, sizeof buffer, file)) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "text") script.text = value;
    if (key == "notice") script.notice = value;
    if (key == "start") script.start = std::atoi(value.c_str());
  }
  std::fclose(file);
  return script;
}

void Log(const char* format, ...) {
  std::FILE* file = std::fopen("nhw32_calls.log", "ab");
  if (file == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(file, format, args);
  va_end(args);
  std::fputs("\n", file);
  std::fclose(file);
}

Script g_capture;  // the script as the last start read it
HWND g_probe = nullptr;
UINT_PTR g_lateTimer = 0;

UINT NoticeMessage() { return ::RegisterWindowMessageA("BL_HASSTRING"); }

void CALLBACK PostLateNotice(HWND, UINT, UINT_PTR, DWORD) {
  ::KillTimer(nullptr, g_lateTimer);
  g_lateTimer = 0;
  ::PostMessageA(g_probe, NoticeMessage(), 0, 0);
}

}  // namespace

extern "C" {

int WINAPI SetNHW32() {
  const int result = ReadScript().start;
  Log("SetNHW32 -> %d", result);
  return result;
}

int WINAPI ResetNHW32() {
  if (g_lateTimer != 0) ::KillTimer(nullptr, g_lateTimer);
  g_lateTimer = 0;
  Log("ResetNHW32");
  return 1;
}

int WINAPI BL_SetFlag32(int code, HWND window, int x, int y) {
  // With the start code, where the probe window lies while we are told.
  RECT strip = {};
  char where[80] = "";
  if (code == 1000 && ::GetWindowRect(window, &strip))
    std::snprintf(where, sizeof where, " strip %ld %ld %ld %ld", strip.left, strip.top, strip.right,
                  strip.bottom);
  Log("BL_SetFlag32 %d %lu %d %d%s", code,
      static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)), x, y, where);
  if (code != 1000) return 1;
  g_capture = ReadScript();
  g_probe = window;
  if (g_capture.notice == "0" || g_capture.notice == "1")
    ::PostMessageA(window, NoticeMessage(), g_capture.notice == "1" ? 1 : 0, 0);
  else if (g_capture.notice == "late" && g_lateTimer == 0)
    g_lateTimer = ::SetTimer(nullptr, 0, 400, PostLateNotice);
  return 1;
}

int WINAPI BL_GetText32(char* buffer, int size, int* area) {
  Log("BL_GetText32 %d", size);
  std::memset(area, 0, 4 * sizeof(int));
  const std::size_t length = g_capture.text.size() < static_cast<std::size_t>(size)
                                 ? g_capture.text.size()
                                 : static_cast<std::size_t>(size) - 1;
  std::memcpy(buffer, g_capture.text.data(), length);
  buffer[length] = '\0';
  return 1;
}

}  // extern "C"
