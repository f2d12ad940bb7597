#include "real_input.h"

#include <vector>

namespace vodari::remote {
namespace {

INPUT Key(WORD virtualKey, WORD character, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool BringToFront(HWND window) {
  ::SetForegroundWindow(window);
  for (int i = 0; i < 100 && ::GetForegroundWindow() != window; ++i) ::Sleep(20);
  ::Sleep(100);  // the window's thread takes in the activation
  return ::GetForegroundWindow() == window;
}

void PressKey(WORD virtualKey) {
  std::vector<INPUT> inputs = {Key(virtualKey, 0, 0), Key(virtualKey, 0, KEYEVENTF_KEYUP)};
  Send(inputs);
}

void TypeText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (const unsigned char c : text) {
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

}  // namespace vodari::remote
