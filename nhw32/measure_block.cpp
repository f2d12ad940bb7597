#include "measure_block.h"

#include <cstring>

namespace nhw32 {

UINT MeasureMessage() {
  static const UINT message = ::RegisterWindowMessageW(kMeasureMessageName);
  return message;
}

std::uint32_t HandleBits(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND HandleFromBits(std::uint32_t bits) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<std::int32_t>(bits)));
}

std::wstring MeasureBlockName(DWORD askingProcess, DWORD sequence) {
  wchar_t name[64];
  ::wsprintfW(name, L"Local\\nhw32-measure-%lu-%lu", askingProcess, sequence);
  return name;
}

SharedMeasureBlock::~SharedMeasureBlock() {
  if (view_) ::UnmapViewOfFile(view_);
  if (mapping_) ::CloseHandle(mapping_);
}

bool SharedMeasureBlock::Create(const std::wstring& name) {
  mapping_ = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(MeasureBlock), name.c_str());
  // A block of that name already there is someone else's: not used.
  if (!mapping_ || ::GetLastError() == ERROR_ALREADY_EXISTS) return false;
  view_ = static_cast<MeasureBlock*>(
      ::MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(MeasureBlock)));
  return view_ != nullptr;
}

bool SharedMeasureBlock::Open(const std::wstring& name) {
  mapping_ = ::OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str());
  if (!mapping_) return false;
  view_ = static_cast<MeasureBlock*>(::MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0));
  if (!view_) return false;
  // A mapping too small for the block is not ours.
  MEMORY_BASIC_INFORMATION region = {};
  if (::VirtualQuery(view_, &region, sizeof region) != sizeof region ||
      region.RegionSize < sizeof(MeasureBlock)) {
    ::UnmapViewOfFile(view_);
    view_ = nullptr;
    return false;
  }
  return true;
}

void SharedMeasureBlock::CopyTo(MeasureBlock& copy) const {
  std::memcpy(&copy, view_, sizeof copy);
}

bool IsValidRequest(const MeasureBlock& block, DWORD sequence, HWND window) {
  return block.magic == kMeasureMagic && block.version == kMeasureVersion &&
         block.size == sizeof(MeasureBlock) && block.sequence == sequence &&
         (block.kind == kReadControl || block.kind == kMeasureText) &&
         block.measuredLength <= kMaxMeasureUnits && HandleFromBits(block.window) == window &&
         ::IsWindow(window);
}

bool MeasureThroughHook(HOOKPROC hook, HMODULE module, HWND window, DWORD sequence,
                        DWORD askingProcess, UINT timeoutMs) {
  const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
  if (!thread || !hook || !module) return false;
  HHOOK handle = ::SetWindowsHookExW(WH_CALLWNDPROC, hook, module, thread);
  if (!handle) return false;
  // The hook runs in the control's thread before the control sees the
  // message (which it ignores), so the answer is complete when this returns.
  DWORD_PTR ignored = 0;
  const bool answered =
      ::SendMessageTimeoutW(window, MeasureMessage(), sequence, askingProcess,
                            SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &ignored) != 0;
  ::UnhookWindowsHookEx(handle);
  return answered;
}

}  // namespace nhw32
