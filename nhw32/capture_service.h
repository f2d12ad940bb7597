// The capture worker: reads the text under a screen point in another
// program's window off the caller's thread, within a fixed time, and tells
// the caller's window when the text is ready.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace nhw32 {

// All work for one capture ends within this many milliseconds, well inside
// the time the program waits for the text.
constexpr DWORD kCaptureBudgetMs = 150;

class CaptureService {
 public:
  // Starts the worker; null when it cannot run.
  static std::shared_ptr<CaptureService> Start();
  ~CaptureService();
  CaptureService(const CaptureService&) = delete;
  CaptureService& operator=(const CaptureService&) = delete;

  // Starts reading at a screen point; "BL_HASSTRING" (wParam 0) goes to
  // `notify` when the text is ready, also when none was found. A capture
  // still running is dropped.
  void Begin(HWND notify, POINT screenPoint);
  // Drops the running capture; the text already read stays.
  void Stop();
  // Copies the text read last, zero-terminated GBK, into at most `size`
  // bytes, and the word's screen rectangle (zeros when unknown) into `area`.
  void CopyText(char* buffer, int size, RECT* area);
  // Ends the worker and forgets the text; waits a little for the worker.
  void Shutdown();

 private:
  struct Request {
    unsigned generation = 0;
    HWND notify = nullptr;
    POINT point = {};
    DWORD startTick = 0;  // when the program asked; the time budget runs from here
  };

  CaptureService();
  static DWORD WINAPI WorkerMain(void* parameter);
  void Run();
  // Hands the worker's result over, if its capture is still the one wanted.
  void Deliver(unsigned generation, std::string text, const RECT& area);

  CRITICAL_SECTION lock_;
  HANDLE wake_ = nullptr;
  HANDLE worker_ = nullptr;
  UINT hasStringMessage_ = 0;
  // Guarded by lock_.
  bool stopping_ = false;
  bool requested_ = false;
  bool active_ = false;
  Request request_;
  std::string text_;
  RECT area_ = {};
};

// The text as the program reads it: GBK, characters GBK lacks as '?'.
std::string ToGbk(const std::u16string& text);

}  // namespace nhw32
