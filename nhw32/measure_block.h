// Laying text out inside the program that owns a window: the shared block
// through which the library asks a message hook in that program's GUI
// thread, and the hook answers. The same layout serves 32-bit and 64-bit
// programs: fixed-width fields only, no pointers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "capture_words.h"

namespace nhw32 {

// Registered message sent to the control once the hook is in place:
// wParam is the request's sequence number, lParam the asking process's id.
constexpr wchar_t kMeasureMessageName[] = L"NHW32_MEASURE";
UINT MeasureMessage();

// The most time the hook spends in the other program for one request.
constexpr DWORD kMeasureBudgetMs = 100;
// The most time the asker waits for an answer, leaving the rest of the
// capture's budget to the measurement it falls back to.
constexpr UINT kMeasureWaitMs = 110;

constexpr std::uint32_t kMeasureMagic = 0x4D57484E;  // "NHWM"
constexpr std::uint32_t kMeasureVersion = 2;

// Most units of a text measured for the asker.
constexpr std::size_t kMaxMeasureUnits = 1024;

enum MeasureKind : std::uint32_t {
  // Read the static, button or list box at (x, y) as the capture does:
  // answers found, length, text and the rectangle.
  kReadControl = 1,
  // Measure `measured` with the window's font: answers found, widths and
  // lineHeight.
  kMeasureText = 2,
};

struct MeasureBlock {
  // The request, written by the asking process before the hook is set.
  std::uint32_t magic;
  std::uint32_t version;
  std::uint32_t size;            // sizeof(MeasureBlock)
  std::uint32_t sequence;        // as sent in wParam
  std::uint32_t kind;            // a MeasureKind
  std::uint32_t window;          // the window (window handles fit 32 bits)
  std::int32_t x, y;             // the pointer on the screen
  std::uint32_t budgetMs;        // the most time the hook may spend
  std::uint32_t measuredLength;  // units of `measured`
  char16_t measured[kMaxMeasureUnits];
  // The answer, written by the hook; `answered` last.
  std::uint32_t answered;  // == sequence once the answer is complete
  std::uint32_t found;     // 1: answered; 0: not a window the hook reads
  std::uint32_t length;    // units of `text`
  char16_t text[kMaxCaptureUnits];
  std::int32_t left, top, right, bottom;  // the word's screen rectangle
  std::int32_t widths[kMaxMeasureUnits];  // widths[i]: of measured[0, i + 1)
  std::int32_t lineHeight;
};

std::uint32_t HandleBits(HWND window);
HWND HandleFromBits(std::uint32_t bits);  // sign-extended, as the system does

// Name of the block of one request: unique per asking process and request.
std::wstring MeasureBlockName(DWORD askingProcess, DWORD sequence);

// A mapped block, created by the asker or opened by the hook or the 64-bit
// companion. Closed (unmapped, handle closed) when it goes.
class SharedMeasureBlock {
 public:
  SharedMeasureBlock() = default;
  ~SharedMeasureBlock();
  SharedMeasureBlock(const SharedMeasureBlock&) = delete;
  SharedMeasureBlock& operator=(const SharedMeasureBlock&) = delete;

  bool Create(const std::wstring& name);
  bool Open(const std::wstring& name);
  // Copies the block as it stands, so that checks and use see the same
  // values whatever the other side writes meanwhile.
  void CopyTo(MeasureBlock& copy) const;
  MeasureBlock* Data() const { return view_; }

 private:
  HANDLE mapping_ = nullptr;
  MeasureBlock* view_ = nullptr;
};

// A request another process wrote is used only when it is well formed and
// names the window the message went to; its sizes are within bounds.
bool IsValidRequest(const MeasureBlock& block, DWORD sequence, HWND window);

// Sets the measuring hook of `module` (which holds `hook`) on the thread that
// owns `window`, sends it the measuring message, and removes the hook: false
// when the hook could not be set or no answer came within `timeoutMs`.
bool MeasureThroughHook(HOOKPROC hook, HMODULE module, HWND window, DWORD sequence,
                        DWORD askingProcess, UINT timeoutMs);

}  // namespace nhw32

extern "C" LRESULT CALLBACK MeasureHook(int code, WPARAM wParam, LPARAM lParam);
