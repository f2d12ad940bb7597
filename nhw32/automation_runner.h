// Runs the automation reads on a thread of their own and waits for them
// with a time-out, so that a provider that hangs costs a capture at most
// its time budget. A thread caught in a call that does not come back is
// left behind, and the next read starts a fresh one instead of queueing
// behind it. Portable: the platform starts the threads.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "automation_reader.h"

namespace nhw32 {
namespace automation {

class Runner {
 public:
  // Makes the client on the automation thread; null when there is none.
  using MakeClient = std::function<std::unique_ptr<Client>()>;
  // Runs `body` on a new thread that nobody waits for; false when it cannot.
  using StartThread = std::function<bool(std::function<void()> body)>;

  // Starts the first thread at once, so that the client is ready by the
  // first capture. At most `maxLeftBehind` hung threads are left at a time;
  // past that, reads give nothing until one comes back.
  Runner(MakeClient makeClient, StartThread startThread, int maxLeftBehind = 4);
  // Tells the thread to end; does not wait for it.
  ~Runner();
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Reads at the point, waiting at most `timeoutMs`. Nothing when there is
  // no client, when the thread cannot start, or when the time runs out.
  std::optional<Reading> Read(std::uintptr_t window, Point point, unsigned timeoutMs);

  // Threads left behind in a hung call that have not come back yet.
  int LeftBehind() const { return *leftBehind_; }

 private:
  struct Channel;
  static void Serve(const std::shared_ptr<Channel>& channel, const MakeClient& makeClient,
                    const std::shared_ptr<std::atomic<int>>& leftBehind);
  bool StartChannel();

  MakeClient makeClient_;
  StartThread startThread_;
  int maxLeftBehind_;
  bool noClient_ = false;
  std::shared_ptr<Channel> channel_;
  std::shared_ptr<std::atomic<int>> leftBehind_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace automation
}  // namespace nhw32
