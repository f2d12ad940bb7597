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
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace {

// The script's values by key, with the defaults.
std::map<std::string, std::string> ReadScript() {
  std::map<std::string, std::string> script = {{"notice", "0"}, {"start", "1"}};
  std::ifstream file("nhw32_script.txt");
  for (std::string line; std::getline(file, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) script[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return script;
}

void Log(const std::string& call) {
  std::ofstream("nhw32_calls.log", std::ios::app | std::ios::binary) << call << "\n";
}

std::string g_text;  // as the last start read it

}  // namespace

extern "C" {

int WINAPI SetNHW32() {
  const int result = std::atoi(ReadScript()["start"].c_str());
  Log("SetNHW32 -> " + std::to_string(result));
  return result;
}

int WINAPI ResetNHW32() {
  Log("ResetNHW32");
  return 1;
}

int WINAPI BL_SetFlag32(int code, HWND window, int x, int y) {
  std::string call = "BL_SetFlag32 " + std::to_string(code) + " " +
                     std::to_string(reinterpret_cast<ULONG_PTR>(window)) + " " + std::to_string(x) +
                     " " + std::to_string(y);
  // With the start code, where the probe window lies while we are told.
  RECT strip;
  if (code == 1000 && ::GetWindowRect(window, &strip))
    call += " strip " + std::to_string(strip.left) + " " + std::to_string(strip.top) + " " +
            std::to_string(strip.right) + " " + std::to_string(strip.bottom);
  Log(call);
  if (code != 1000) return 1;
  auto script = ReadScript();
  g_text = script["text"];
  if (script["notice"] != "never")
    ::PostMessageA(window, ::RegisterWindowMessageA("BL_HASSTRING"), script["notice"] == "1", 0);
  return 1;
}

int WINAPI BL_GetText32(char* buffer, int size, int* /*area*/) {
  Log("BL_GetText32 " + std::to_string(size));
  const std::size_t length = std::min(g_text.size(), static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, g_text.data(), length);
  buffer[length] = '\0';
  return 1;
}

}  // extern "C"
