#include "companion.h"

#include <string>

#include "measure_block.h"

namespace nhw32 {
namespace {

// Time the companion gets to close before it is ended.
constexpr DWORD kCompanionCloseMs = 300;

bool IsWow64(HANDLE process) {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(process, &wow64) && wow64;
}

// The folder of this library, with a trailing backslash; empty when unknown.
std::wstring ModuleFolder() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&ModuleFolder), &module))
    return {};
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

}  // namespace

bool IsOtherBitness(HANDLE process) { return IsWow64(::GetCurrentProcess()) != IsWow64(process); }

bool IsOtherBitnessWindow(HWND window) {
  DWORD processId = 0;
  if (!::GetWindowThreadProcessId(window, &processId)) return false;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return false;
  const bool other = IsOtherBitness(process);
  ::CloseHandle(process);
  return other;
}

Companion::Companion() {
#ifndef _WIN64
  if (!IsWow64(::GetCurrentProcess())) return;
  const std::wstring folder = ModuleFolder();
  if (folder.empty()) return;
  const std::wstring program = folder + L"nhw32_x64.exe";
  std::wstring commandLine = L"\"" + program + L"\" " + std::to_wstring(::GetCurrentProcessId());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, folder.c_str(), &startup, &started))
    return;
  ::CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
#endif
}

Companion::~Companion() {
  if (!process_) return;
  // Only the window of the process this library started: another start of
  // the library in this process has a companion of its own.
  if (!window_) window_ = OwnWindow();
  if (window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process_, kCompanionCloseMs) != WAIT_OBJECT_0)
    ::TerminateProcess(process_, 1);
  ::CloseHandle(process_);
}

HWND Companion::OwnWindow() const {
  HWND found = ::FindWindowExW(HWND_MESSAGE, nullptr, kCompanionClass,
                               std::to_wstring(::GetCurrentProcessId()).c_str());
  DWORD owner = 0;
  return found && ::GetWindowThreadProcessId(found, &owner) && owner == processId_ ? found : nullptr;
}

bool Companion::Measure(DWORD sequence, const Deadline& deadline) {
  if (!process_) return false;
  // Ready once its window is there; only the window of the process this
  // library started is trusted.
  if (!window_ && !(window_ = OwnWindow())) return false;
  DWORD_PTR answered = 0;
  return ::SendMessageTimeoutW(window_, kCompanionMeasure, sequence, 0,
                               SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               deadline.MessageTimeout(kMeasureWaitMs), &answered) &&
         answered == 1;
}

}  // namespace nhw32
