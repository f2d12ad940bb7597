// UI Automation, for programs that draw their own text (browsers, office
// programs, modern frameworks): the word under the pointer through the text
// pattern, or, where an element has none, its value or name.
//
// The automation calls run on a thread of their own (automation_runner.h),
// which has joined the multithreaded apartment and holds a reference to
// this library, so that a thread left behind in a hung call can still
// return into it after the library was let go.
#include <objbase.h>

#include <cmath>
#include <optional>

#include "automation_client.h"
#include "automation_runner.h"
#include "text_source.h"

namespace nhw32 {
namespace {

struct ThreadStart {
  std::function<void()> body;
  HMODULE module;
};

DWORD WINAPI AutomationThreadMain(void* parameter) {
  HMODULE module = nullptr;
  {
    const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    module = start->module;
    const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    start->body();
    if (com) ::CoUninitialize();
  }
  ::FreeLibraryAndExitThread(module, 0);
  return 0;
}

bool StartAutomationThread(std::function<void()> body) {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&AutomationThreadMain), &module))
    return false;
  auto* start = new ThreadStart{std::move(body), module};
  HANDLE thread = ::CreateThread(nullptr, 0, &AutomationThreadMain, start, 0, nullptr);
  if (!thread) {
    delete start;
    ::FreeLibrary(module);
    return false;
  }
  ::CloseHandle(thread);
  return true;
}

// The automation thread, and what it read for the capture going on: the
// text pattern source reads, the label source later takes the label from
// the same reading.
struct Shared {
  automation::Runner runner{&MakeSystemAutomationClient, &StartAutomationThread};
  std::optional<automation::Reading> last;
  POINT point = {};
};

void Fill(const automation::Reading& reading, CapturedLine& line) {
  line.text = reading.text;
  line.index = reading.index;
  if (!reading.hasArea) return;
  const automation::Rect& a = reading.area;
  const RECT area = {std::lround(a.left), std::lround(a.top), std::lround(a.left + a.width),
                     std::lround(a.top + a.height)};
  line.locate = [area](const WordSpan&) { return area; };
}

class TextPatternSource : public TextSource {
 public:
  explicit TextPatternSource(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline,
                  CapturedLine& line) override {
    shared_->point = screenPoint;
    shared_->last = shared_->runner.Read(reinterpret_cast<std::uintptr_t>(window),
                                         {screenPoint.x, screenPoint.y}, deadline.Remaining());
    if (!shared_->last || shared_->last->kind != automation::Reading::Kind::kTextPattern)
      return ReadResult::kNotMine;
    Fill(*shared_->last, line);
    return ReadResult::kRead;
  }

 private:
  std::shared_ptr<Shared> shared_;
};

class LabelSource : public TextSource {
 public:
  explicit LabelSource(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  ReadResult Read(HWND, POINT screenPoint, const Deadline&, CapturedLine& line) override {
    const std::optional<automation::Reading>& last = shared_->last;
    if (!last || last->kind != automation::Reading::Kind::kLabel ||
        shared_->point.x != screenPoint.x || shared_->point.y != screenPoint.y)
      return ReadResult::kNotMine;
    Fill(*last, line);
    return ReadResult::kRead;
  }

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace

AutomationSources MakeAutomationSources() {
  const auto shared = std::make_shared<Shared>();
  return {std::make_unique<TextPatternSource>(shared), std::make_unique<LabelSource>(shared)};
}

}  // namespace nhw32
