#include "owner_layout.h"

#include <algorithm>

#include "companion.h"
#include "measure_block.h"

namespace nhw32 {
namespace {

// Widths and heights past this are not believed.
constexpr std::int32_t kMaxPixels = 1 << 20;
constexpr std::int32_t kMaxLineHeight = 1000;

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

HMODULE ThisModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&MeasureHook), &module);
  return module;
}

}  // namespace

struct OwnerLayout::Request {
  MeasureKind kind;
  POINT point;
  const std::u16string* measured;
};

OwnerLayout::OwnerLayout() : companion_(std::make_unique<Companion>()) {}
OwnerLayout::~OwnerLayout() = default;

bool OwnerLayout::Ask(HWND window, const Request& request, const Deadline& deadline,
                      MeasureBlock& answer) {
  DWORD processId = 0;
  // Windows of this very program are measured from here, with their font.
  if (!::GetWindowThreadProcessId(window, &processId) || processId == ::GetCurrentProcessId())
    return false;
  const ProcessHandle process(processId);
  if (!process.get()) return false;
  const bool otherBitness = IsOtherBitness(process.get());

  const DWORD sequence = ++sequence_;
  SharedMeasureBlock shared;
  if (!shared.Create(MeasureBlockName(::GetCurrentProcessId(), sequence))) return false;
  MeasureBlock& block = *shared.Data();
  block.magic = kMeasureMagic;
  block.version = kMeasureVersion;
  block.size = sizeof(MeasureBlock);
  block.sequence = sequence;
  block.kind = request.kind;
  block.window = HandleBits(window);
  block.x = request.point.x;
  block.y = request.point.y;
  block.budgetMs = std::min<DWORD>(deadline.Remaining(), kMeasureBudgetMs);
  if (request.measured) {
    block.measuredLength =
        static_cast<std::uint32_t>(std::min(request.measured->size(), kMaxMeasureUnits));
    std::copy_n(request.measured->begin(), block.measuredLength, block.measured);
  }

  const bool asked = otherBitness ? companion_->Measure(sequence, deadline)
                                  : MeasureThroughHook(&MeasureHook, ThisModule(), window, sequence,
                                                       ::GetCurrentProcessId(),
                                                       deadline.MessageTimeout(kMeasureWaitMs));
  // A copy, checked and used as it stands: the other program may still write.
  shared.CopyTo(answer);
  return asked && answer.answered == sequence && answer.found == 1;
}

bool OwnerLayout::ReadControl(HWND window, POINT screenPoint, const Deadline& deadline,
                              std::u16string& text, RECT& area) {
  auto answer = std::make_unique<MeasureBlock>();
  if (!Ask(window, Request{kReadControl, screenPoint, nullptr}, deadline, *answer) ||
      answer->length > kMaxCaptureUnits)
    return false;
  text.assign(answer->text, answer->length);
  area = {answer->left, answer->top, answer->right, answer->bottom};
  return true;
}

bool OwnerLayout::MeasureText(HWND window, const std::u16string& text, const Deadline& deadline,
                              TextWidths& widths, int& lineHeight) {
  auto answer = std::make_unique<MeasureBlock>();
  if (!Ask(window, Request{kMeasureText, POINT{}, &text}, deadline, *answer) ||
      answer->lineHeight <= 0 || answer->lineHeight > kMaxLineHeight)
    return false;
  const std::size_t length = std::min(text.size(), kMaxMeasureUnits);
  TextWidths measured;
  measured.prefix.assign(length + 1, 0);
  for (std::size_t i = 0; i < length; ++i) {
    const std::int32_t width = answer->widths[i];
    if (width < measured.prefix[i] || width > kMaxPixels) return false;  // never narrower
    measured.prefix[i + 1] = width;
  }
  widths = std::move(measured);
  lineHeight = answer->lineHeight;
  return true;
}

}  // namespace nhw32
