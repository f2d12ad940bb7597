// Static texts, buttons and list boxes of other programs, laid out inside
// the program that owns them: a message hook in its GUI thread reads the
// control with its own device context and font (measure_hook.cpp). Where the
// hook cannot run or gives no answer in time, the next source measures the
// text from here instead.
#include <algorithm>
#include <memory>

#include "companion.h"
#include "measure_block.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

bool LaidOutControl(HWND window) {
  const std::wstring base = BaseClassOf(window);
  return SameName(base, L"Static") || SameName(base, L"Button") || SameName(base, L"ListBox") ||
         SameName(base, L"ComboLBox");
}

class ProcessHandle {
 public:
  explicit ProcessHandle(DWORD id) : handle_(::OpenProcess(kQueryLimitedInformation, FALSE, id)) {}
  ~ProcessHandle() {
    if (handle_) ::CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  static constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
  HANDLE handle_;
};

class HookSource : public TextSource {
 public:
  HookSource() : companion_(std::make_unique<Companion>()) {}

  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline,
                  CapturedLine& line) override {
    DWORD processId = 0;
    // Controls of this very program are measured from here, with their font.
    if (!::GetWindowThreadProcessId(window, &processId) || processId == ::GetCurrentProcessId() ||
        !LaidOutControl(window))
      return ReadResult::kNotMine;
    const ProcessHandle process(processId);
    if (!process.get()) return ReadResult::kNotMine;
    const bool otherBitness = IsOtherBitness(process.get());

    const DWORD sequence = ++sequence_;
    SharedMeasureBlock shared;
    if (!shared.Create(MeasureBlockName(::GetCurrentProcessId(), sequence)))
      return ReadResult::kNotMine;
    MeasureBlock* request = shared.Data();
    *request = MeasureBlock{};
    request->magic = kMeasureMagic;
    request->version = kMeasureVersion;
    request->size = sizeof(MeasureBlock);
    request->sequence = sequence;
    request->window = HandleBits(window);
    request->x = screenPoint.x;
    request->y = screenPoint.y;
    request->budgetMs = std::min<DWORD>(deadline.Remaining(), kMeasureBudgetMs);

    const bool asked = otherBitness ? companion_->Measure(sequence, deadline)
                                    : MeasureThroughHook(&MeasureHook, ThisModule(), window,
                                                         sequence, ::GetCurrentProcessId(),
                                                         deadline.MessageTimeout(kMeasureWaitMs));
    const MeasureBlock answer = shared.Snapshot();
    if (!asked || answer.answered != sequence || answer.found != 1 ||
        answer.length > kMaxCaptureUnits)
      return ReadResult::kNotMine;
    line.text.assign(answer.text, answer.length);
    line.index = 0;
    const RECT area = {answer.left, answer.top, answer.right, answer.bottom};
    line.locate = [area](const WordSpan&) { return area; };
    return ReadResult::kRead;
  }

 private:
  static HMODULE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&MeasureHook), &module);
    return module;
  }

  std::unique_ptr<Companion> companion_;
  // Block names differ from those of an earlier start of the library in
  // this process, which a late hook may still hold open.
  DWORD sequence_ = ::GetTickCount();
};

}  // namespace

std::unique_ptr<TextSource> MakeHookSource() { return std::make_unique<HookSource>(); }

}  // namespace nhw32
