// A scripted stand-in for the capture library nhw32.dll, for the end-to-end
// tests only. It reads "nhw32_script.txt" in the working folder, lines of
// key=value:
//   text=<the text BL_GetText32 hands back>
//   notice=0 | 1 | never   the "BL_HASSTRING" notice after a start, at once
//                          with that wParam, or none (the program times out)
//   start=<result of SetNHW32>    1 unless given
// and appends every call with its arguments to "nhw32_calls.log" there. The
// script is read again at every start, so a test can change it between
// captures. Which entry points exist is decided by the .def file of the build.
#include <windows.h>

#include <algorithm>
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

std::string g_text;  // as the last start read it

}  // namespace

extern "C" {

int WINAPI SetNHW32() {
  const int result = ReadScript().start;
  Log("SetNHW32 -> %d", result);
  return result;
}

int WINAPI ResetNHW32() {
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
  const Script script = ReadScript();
  g_text = script.text;
  if (script.notice != "never")
    ::PostMessageA(window, ::RegisterWindowMessageA("BL_HASSTRING"), script.notice == "1", 0);
  return 1;
}

int WINAPI BL_GetText32(char* buffer, int size, int* area) {
  Log("BL_GetText32 %d", size);
  std::memset(area, 0, 4 * sizeof(int));
  const std::size_t length = std::min(g_text.size(), static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, g_text.data(), length);
  buffer[length] = '\0';
  return 1;
}

}  // extern "C"
