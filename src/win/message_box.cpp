#include "win/message_box.h"

#include <vector>

namespace win {

std::string ProgramName() {
  // The path may be longer than MAX_PATH; grow the buffer until it fits.
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) break;
    if (path.size() >= 32768) return std::string();
    path.resize(path.size() * 2);
  }
  // Walk by characters, not bytes: the second byte of a GBK character may be
  // 0x5C, the backslash.
  const char* name = path.data();
  for (const char* p = path.data(); *p != '\0'; p = ::CharNextA(p)) {
    if (*p == '\\' || *p == '/' || *p == ':') name = ::CharNextA(p);
  }
  std::string result(name);
  const size_t dot = result.size() >= 4 ? result.size() - 4 : std::string::npos;
  if (dot != std::string::npos && ::lstrcmpiA(result.c_str() + dot, ".exe") == 0) result.erase(dot);
  return result;
}

int ShowMessageBox(const std::string& text, UINT icon, HWND owner) {
  if (owner == nullptr) owner = ::GetActiveWindow();
  return ::MessageBoxA(owner, text.c_str(), ProgramName().c_str(), MB_OK | icon);
}

}  // namespace win
