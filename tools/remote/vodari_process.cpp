#include "vodari_process.h"

#include <shellapi.h>

#include <algorithm>

namespace vodari::remote {
namespace {

std::string& MutableProgramPath() {
  static std::string path;
  return path;
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kTrayIconId = 10;
constexpr char kProgramName[] = "Vodari";

}  // namespace

std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

void SetProgramPath(const std::string& path) { MutableProgramPath() = WindowsPath(path); }

const std::string& ProgramPath() { return MutableProgramPath(); }

VodariProcess::VodariProcess(const std::string& workingFolder, const std::string& program) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::string commandLine = "\"" + program + "\"";
  if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &info))
    return;
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  ::WaitForInputIdle(process_, 10000);
}

VodariProcess::~VodariProcess() {
  if (!process_) return;
  if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_, 99);
    ::WaitForSingleObject(process_, 5000);
  }
  ::CloseHandle(process_);
}

void VodariProcess::Detach() {
  if (process_) ::CloseHandle(process_);
  process_ = nullptr;
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> VodariProcess::TopLevelWindows() const {
  WindowSearch search{processId_, {}};
  ::EnumWindows(&CollectWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxInfo VodariProcess::WaitForMessageBox(DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window : TopLevelWindows()) {
      // A message box is a system dialog with the program's name as caption
      // and its text in a static control; the program's own dialogs have
      // longer captions.
      if (ClassName(window) != "#32770" || WindowText(window) != kProgramName) continue;
      HWND text = ::GetDlgItem(window, kMessageBoxTextId);
      if (!text) continue;
      return MessageBoxInfo{window, WindowText(window), WindowText(text)};
    }
    ::Sleep(30);
  } while (::GetTickCount() - start < timeoutMs);
  return {};
}

void VodariProcess::PressOk(const MessageBoxInfo& box) {
  ::PostMessageA(::GetDlgItem(box.window, IDOK), BM_CLICK, 0, 0);
  const DWORD start = ::GetTickCount();
  while (::IsWindow(box.window) && ::GetTickCount() - start < 10000) ::Sleep(20);
}

std::string VodariProcess::AcknowledgeMessageBox(DWORD timeoutMs) {
  MessageBoxInfo box = WaitForMessageBox(timeoutMs);
  if (!box) return "<no message box>";
  PressOk(box);
  return box.text;
}

bool VodariProcess::NoMessageBoxFor(DWORD ms) { return !WaitForMessageBox(ms); }

HWND VodariProcess::MainWindow(DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!main_ && ::GetTickCount() - start < timeoutMs) {
    for (HWND window : TopLevelWindows())
      if (WindowText(window) == "Vodari1.3") main_ = window;
    if (!main_) ::Sleep(30);
  }
  return main_;
}

HWND VodariProcess::WaitForWindow(const std::string& title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows())
          if (WindowText(window) == title) found = window;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND VodariProcess::WaitForWindowWith(int controlId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows())
          if (::GetDlgItem(window, controlId)) found = window;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::string VodariProcess::TextOf(HWND dialog, int controlId) {
  return WindowText(::GetDlgItem(dialog, controlId));
}

void VodariProcess::SetTextOf(HWND dialog, int controlId, const std::string& text) {
  ::SendMessageTimeoutA(::GetDlgItem(dialog, controlId), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool VodariProcess::IsCheckedIn(HWND dialog, int controlId) {
  return ::SendMessageA(::GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void VodariProcess::Click(HWND dialog, int controlId) {
  ::PostMessageA(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

HWND VodariProcess::FocusedWindow() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(MainWindow(), nullptr), &info);
  return info.hwndFocus;
}

namespace {

// The shell changes only an icon that it holds.
bool ChangeTrayIcon(HWND main, DWORD change) {
  NOTIFYICONDATAA icon = {};
  icon.cbSize = 88;
  icon.hWnd = main;
  icon.uID = kTrayIconId;
  return ::Shell_NotifyIconA(change, &icon) != FALSE;
}

}  // namespace

bool VodariProcess::TrayIconShown() { return ChangeTrayIcon(MainWindow(), NIM_MODIFY); }

bool VodariProcess::ForgetTrayIcon() { return ChangeTrayIcon(MainWindow(), NIM_DELETE); }

void VodariProcess::PostCommand(int id) {
  ::PostMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void VodariProcess::PostKey(int controlId, WPARAM key) {
  HWND control = ::GetDlgItem(MainWindow(), controlId);
  ::PostMessageA(control, WM_KEYDOWN, key, 1);
  ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

std::string VodariProcess::ControlText(int controlId) { return TextOf(MainWindow(), controlId); }

bool VodariProcess::IsChecked(int controlId) { return IsCheckedIn(MainWindow(), controlId); }

int VodariProcess::WaitForExit(DWORD timeoutMs) {
  if (::WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  ::GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

}  // namespace vodari::remote
