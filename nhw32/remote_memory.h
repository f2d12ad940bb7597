// A little memory in another program, for the messages whose argument is a
// pointer that the system does not carry across processes (a rich edit's
// EM_CHARFROMPOS takes a POINTL).
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace nhw32 {

class RemoteMemoryPool;

class RemoteMemory {
 public:
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  LPARAM Address(std::size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
  }
  bool Write(std::size_t offset, const void* data, std::size_t size);
  bool Read(std::size_t offset, void* data, std::size_t size) const;
  // A message that points here went unanswered and may still be handled
  // later: the memory must outlive it, so it is given back only once the
  // window has answered a later message.
  void MarkInUse() { inUse_ = true; }

 private:
  friend class RemoteMemoryPool;
  RemoteMemory(RemoteMemoryPool& pool, HWND window, HANDLE process, void* address, std::size_t size)
      : pool_(pool), window_(window), process_(process), address_(address), size_(size) {}
  RemoteMemoryPool& pool_;
  HWND window_;
  HANDLE process_;
  void* address_;
  std::size_t size_;
  bool inUse_ = false;
};

// Hands out remote memory and keeps the blocks of unanswered messages until
// they are safe to give back.
class RemoteMemoryPool {
 public:
  RemoteMemoryPool() = default;
  // Gives back what it can; what a hung program still holds is left to it
  // (freed when it ends) rather than pulled from under it.
  ~RemoteMemoryPool() { Release(true); }
  RemoteMemoryPool(const RemoteMemoryPool&) = delete;
  RemoteMemoryPool& operator=(const RemoteMemoryPool&) = delete;

  // Room for `size` bytes in the process that owns `window`; null when that
  // process cannot be opened or has no room.
  std::unique_ptr<RemoteMemory> Open(HWND window, std::size_t size);
  // Gives back the blocks whose window has answered since, or is gone.
  void ReleaseAnswered() { Release(false); }

 private:
  friend class RemoteMemory;
  struct LeftBlock {
    HWND window;
    HANDLE process;
    void* address;
  };
  void Release(bool final);
  std::vector<LeftBlock> left_;
};

}  // namespace nhw32
