#include "capture_service.h"

#include <objbase.h>

#include <cstring>
#include <vector>

#include "capture_words.h"
#include "owner_layout.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

constexpr UINT kGbkCodePage = 936;

// Time the library waits at shutdown for a worker busy with a slow window.
constexpr DWORD kShutdownWaitMs = 500;

class Lock {
 public:
  explicit Lock(CRITICAL_SECTION& section) : section_(section) { ::EnterCriticalSection(&section_); }
  ~Lock() { ::LeaveCriticalSection(&section_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& section_;
};

// What the worker hands to its thread: the service, and a reference to this
// library so that it stays loaded as long as the worker runs.
struct WorkerStart {
  std::shared_ptr<CaptureService> service;
  HMODULE module;
};

std::vector<std::unique_ptr<TextSource>> MakeSources() {
  const auto owner = std::make_shared<OwnerLayout>();  // text laid out in its own program
  std::vector<std::unique_ptr<TextSource>> sources;
  AutomationSources automation = MakeAutomationSources();
  sources.push_back(MakeEditSource());
  sources.push_back(std::move(automation.textPattern));
  sources.push_back(MakeHookSource(owner));  // else measured from here:
  sources.push_back(MakeControlSource());
  sources.push_back(MakeAccessibleSource(owner));
  sources.push_back(MakeConsoleSource());
  sources.push_back(std::move(automation.labels));
  return sources;
}

// Reads the text to hand back for a point: nothing when the window under it
// hangs, else the first source that knows the window.
void ReadAt(const std::vector<std::unique_ptr<TextSource>>& sources, POINT point, const Deadline& deadline,
            std::u16string& text, RECT& area) {
  HWND window = WindowUnderPoint(point);
  LRESULT ignored = 0;
  if (!window || !SendWithin(window, WM_NULL, 0, 0, deadline, ignored)) return;
  for (const auto& source : sources) {
    if (deadline.Passed()) return;
    CapturedLine line;
    if (source->Read(window, point, deadline, line) == ReadResult::kNotMine) continue;
    text = CaptureTextAt(line.text, line.index);
    if (!text.empty() && line.locate && !deadline.Passed()) area = line.locate(FindWordAt(line.text, line.index));
    return;
  }
}

}  // namespace

std::string ToGbk(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int units = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0, "?", nullptr);
  if (bytes <= 0) return {};
  std::string gbk(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, &gbk[0], bytes, "?", nullptr);
  return gbk;
}

CaptureService::CaptureService() {
  ::InitializeCriticalSection(&lock_);
  wake_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  hasStringMessage_ = ::RegisterWindowMessageA("BL_HASSTRING");
}

CaptureService::~CaptureService() {
  if (worker_) ::CloseHandle(worker_);
  if (wake_) ::CloseHandle(wake_);
  ::DeleteCriticalSection(&lock_);
}

std::shared_ptr<CaptureService> CaptureService::Start() {
  std::shared_ptr<CaptureService> service(new CaptureService());
  if (!service->wake_ || !service->hasStringMessage_) return nullptr;
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&WorkerMain), &module))
    return nullptr;
  auto* start = new WorkerStart{service, module};
  service->worker_ = ::CreateThread(nullptr, 0, &WorkerMain, start, 0, nullptr);
  if (!service->worker_) {
    delete start;
    ::FreeLibrary(module);
    return nullptr;
  }
  return service;
}

DWORD WINAPI CaptureService::WorkerMain(void* parameter) {
  HMODULE module = nullptr;
  {
    std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
    module = start->module;
    start->service->Run();
  }
  // The service is released first; then this library may go.
  ::FreeLibraryAndExitThread(module, 0);
  return 0;
}

void CaptureService::Run() {
  const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  {
    const std::vector<std::unique_ptr<TextSource>> sources = MakeSources();
    for (;;) {
      ::WaitForSingleObject(wake_, INFINITE);
      Request request;
      {
        Lock lock(lock_);
        if (stopping_) break;
        if (!requested_) continue;
        requested_ = false;
        request = request_;
      }
      std::string gbk;
      RECT area = {};
      try {
        std::u16string text;
        ReadAt(sources, request.point, Deadline(request.startTick, kCaptureBudgetMs), text, area);
        gbk = ToGbk(text);
      } catch (...) {
        gbk.clear();  // out of memory: an empty text, and the program goes on
        area = {};
      }
      Deliver(request.generation, std::move(gbk), area);
    }
  }
  if (com) ::CoUninitialize();
}

void CaptureService::Deliver(unsigned generation, std::string text, const RECT& area) {
  Lock lock(lock_);
  if (!active_ || generation != request_.generation) return;
  active_ = false;
  text_.swap(text);
  area_ = area;
  if (request_.notify) ::PostMessageW(request_.notify, hasStringMessage_, 0, 0);
}

void CaptureService::Begin(HWND notify, POINT screenPoint) {
  {
    Lock lock(lock_);
    request_ = {request_.generation + 1, notify, screenPoint, ::GetTickCount()};
    requested_ = true;
    active_ = true;
    text_.clear();
    area_ = {};
  }
  ::SetEvent(wake_);
}

void CaptureService::Stop() {
  Lock lock(lock_);
  active_ = false;
  requested_ = false;
}

void CaptureService::CopyText(char* buffer, int size, RECT* area) {
  Lock lock(lock_);
  if (buffer && size > 0) {
    const std::size_t length = GbkFittingLength(text_, static_cast<std::size_t>(size));
    std::memcpy(buffer, text_.data(), length);
    buffer[length] = '\0';
  }
  if (area) *area = area_;
}

void CaptureService::Shutdown() {
  {
    Lock lock(lock_);
    stopping_ = true;
    active_ = false;
    text_.clear();
    area_ = {};
  }
  ::SetEvent(wake_);
  ::WaitForSingleObject(worker_, kShutdownWaitMs);
}

}  // namespace nhw32
