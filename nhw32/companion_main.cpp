// nhw32_x64.exe: the capture library's 64-bit companion. Started by the
// 32-bit library with its process id; sets the measuring hook of
// nhw32_64.dll (beside it) on a 64-bit program's thread when asked, and ends
// when told to or when the library's process ends.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "companion.h"
#include "measure_block.h"

namespace {

struct Companion {
  DWORD asker = 0;
  HMODULE library = nullptr;
  HOOKPROC hook = nullptr;
};
Companion g_companion;  // the window procedure's only state

LRESULT Measure(DWORD sequence) {
  nhw32::SharedMeasureBlock shared;
  if (!shared.Open(nhw32::MeasureBlockName(g_companion.asker, sequence))) return 0;
  nhw32::MeasureBlock request;
  shared.CopyTo(request);
  const HWND window = nhw32::HandleFromBits(request.window);
  if (!nhw32::IsValidRequest(request, sequence, window)) return 0;
  // No longer than the asker still waits: a late answer would only keep
  // the next request waiting.
  return nhw32::MeasureThroughHook(g_companion.hook, g_companion.library, window, sequence,
                                   g_companion.asker,
                                   std::min<DWORD>(request.budgetMs, nhw32::kMeasureBudgetMs))
             ? 1
             : 0;
}

LRESULT CALLBACK CompanionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == nhw32::kCompanionMeasure) return Measure(static_cast<DWORD>(wParam));
  if (message == WM_CLOSE) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HMODULE LoadBeside(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring full(path, length);
  full = full.substr(0, full.find_last_of(L"\\/") + 1) + name;
  return ::LoadLibraryW(full.c_str());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  g_companion.asker = static_cast<DWORD>(std::wcstoul(commandLine, nullptr, 10));
  const Handle asker(::OpenProcess(SYNCHRONIZE, FALSE, g_companion.asker));
  if (!asker.get()) return 2;
  g_companion.library = LoadBeside(L"nhw32_64.dll");
  if (g_companion.library)
    g_companion.hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(::GetProcAddress(g_companion.library, "MeasureHook")));
  if (!g_companion.hook) return 3;

  WNDCLASSW cls = {};
  cls.lpfnWndProc = CompanionProc;
  cls.hInstance = instance;
  cls.lpszClassName = nhw32::kCompanionClass;
  ::RegisterClassW(&cls);
  const std::wstring title = std::to_wstring(g_companion.asker);
  HWND window = ::CreateWindowExW(0, nhw32::kCompanionClass, title.c_str(), 0, 0, 0, 0, 0,
                                  HWND_MESSAGE, nullptr, instance, nullptr);
  if (!window) return 4;
  // Until told to close, or until the library's process ends.
  const HANDLE waitFor = asker.get();
  bool running = true;
  while (running && ::MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_ALLINPUT) ==
                        WAIT_OBJECT_0 + 1) {
    MSG message;
    while (running && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      running = message.message != WM_QUIT;
      ::DispatchMessageW(&message);
    }
  }
  ::DestroyWindow(window);
  return 0;
}
