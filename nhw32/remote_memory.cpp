#include "remote_memory.h"

#include <vector>

namespace nhw32 {
namespace {

// At most this many unanswered blocks are waited for; more means the window
// keeps hanging, and the edit source stops using remote memory meanwhile.
constexpr std::size_t kMaxLeftBlocks = 16;

void Free(HANDLE process, void* address) {
  ::VirtualFreeEx(process, address, 0, MEM_RELEASE);
  ::CloseHandle(process);
}

}  // namespace

std::unique_ptr<RemoteMemory> RemoteMemoryPool::Open(HWND window, std::size_t size) {
  if (left_.size() >= kMaxLeftBlocks) return nullptr;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (!processId) return nullptr;
  HANDLE process = ::OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE, FALSE, processId);
  if (!process) return nullptr;
  void* address = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!address) {
    ::CloseHandle(process);
    return nullptr;
  }
  return std::unique_ptr<RemoteMemory>(new RemoteMemory(*this, window, process, address, size));
}

RemoteMemory::~RemoteMemory() {
  if (inUse_)
    pool_.left_.push_back({window_, process_, address_});
  else
    Free(process_, address_);
}

bool RemoteMemory::Write(std::size_t offset, const void* data, std::size_t size) {
  SIZE_T written = 0;
  return offset + size <= size_ &&
         ::WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
         written == size;
}

bool RemoteMemory::Read(std::size_t offset, void* data, std::size_t size) const {
  SIZE_T read = 0;
  return offset + size <= size_ &&
         ::ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) && read == size;
}

void RemoteMemoryPool::Release(bool final) {
  auto& blocks = left_;
  for (auto it = blocks.begin(); it != blocks.end();) {
    DWORD_PTR ignored = 0;
    // Sent messages are handled in order: once the window answers this one,
    // the earlier message that used the block is done with it.
    const bool ended = ::WaitForSingleObject(it->process, 0) == WAIT_OBJECT_0;
    const bool done = ended || !::IsWindow(it->window) ||
                      ::SendMessageTimeoutW(it->window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 20, &ignored);
    if (done) {
      Free(it->process, it->address);
      it = blocks.erase(it);
    } else if (final) {
      ::CloseHandle(it->process);
      it = blocks.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace nhw32
