// The measuring hook's side, run inside the program that owns a window, in
// its GUI thread: reads a control as the capture library does, or measures
// a text, with the window's own device context and font, and writes the
// answer into the asker's block.
#include <algorithm>
#include <memory>

#include "measure_block.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

void ReadControl(HWND window, const MeasureBlock& request, const Deadline& deadline,
                 MeasureBlock& answer) {
  CapturedLine line;
  // A rich edit is asked by messages, here in its own program; every other
  // control is laid out.
  const std::unique_ptr<TextSource> sources[] = {MakeEditSource(), MakeControlSource()};
  bool found = false;
  for (const auto& source : sources) {
    found = source->Read(window, POINT{request.x, request.y}, deadline, line) == ReadResult::kRead;
    if (found) break;
  }
  const std::u16string text = found ? CaptureTextAt(line.text, line.index) : std::u16string();
  RECT area = {};
  if (!text.empty() && line.locate) area = line.locate(FindWordAt(line.text, line.index));
  answer.found = found ? 1 : 0;
  answer.length = static_cast<std::uint32_t>(std::min(text.size(), kMaxCaptureUnits));
  std::copy_n(text.begin(), answer.length, answer.text);
  answer.left = area.left;
  answer.top = area.top;
  answer.right = area.right;
  answer.bottom = area.bottom;
}

void MeasureText(HWND window, const MeasureBlock& request, const Deadline& deadline,
                 MeasureBlock& answer) {
  const std::u16string text(request.measured, request.measuredLength);
  const ControlFont font(window, deadline);
  const TextWidths widths = font.Widths(text);
  for (std::size_t i = 0; i < text.size(); ++i) answer.widths[i] = widths.Width(0, i + 1);
  answer.lineHeight = font.LineHeight();
  answer.found = 1;
}

void Answer(HWND window, DWORD sequence, DWORD askingProcess) {
  SharedMeasureBlock shared;
  if (!shared.Open(MeasureBlockName(askingProcess, sequence))) return;
  // On the heap: the block is a few kilobytes, and this thread's stack is
  // the other program's.
  const auto copy = std::make_unique<MeasureBlock>();
  shared.CopyTo(*copy);
  const MeasureBlock& request = *copy;
  if (!IsValidRequest(request, sequence, window) ||
      ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
    return;
  const Deadline deadline(::GetTickCount(), std::min<DWORD>(request.budgetMs, kMeasureBudgetMs));
  MeasureBlock& answer = *shared.Data();
  if (request.kind == kReadControl) {
    ReadControl(window, request, deadline, answer);
  } else {
    MeasureText(window, request, deadline, answer);
  }
  ::MemoryBarrier();
  answer.answered = sequence;
}

}  // namespace
}  // namespace nhw32

extern "C" LRESULT CALLBACK MeasureHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent && sent->message == nhw32::MeasureMessage() && sent->message) {
    try {
      nhw32::Answer(sent->hwnd, static_cast<DWORD>(sent->wParam), static_cast<DWORD>(sent->lParam));
    } catch (...) {
      // Out of memory in the other program: no answer, the asker falls back.
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
