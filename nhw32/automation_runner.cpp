#include "automation_runner.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace nhw32 {
namespace automation {

// What the reader and one automation thread share; it lives as long as
// either side holds it, so a thread left behind finds it still there.
struct Runner::Channel {
  std::mutex mutex;
  std::condition_variable changed;
  bool noClient = false;    // the thread could make no client and has ended
  bool stop = false;        // the thread is to end as soon as it may
  bool leftBehind = false;  // it was given up in a call that did not come back
  bool queued = false;      // a read is waiting for the thread
  bool running = false;     // the thread is reading
  bool done = false;        // `result` holds the answer to the last read
  std::uintptr_t window = 0;
  Point point;
  Reading result;
};

Runner::Runner(MakeClient makeClient, StartThread startThread, int maxLeftBehind)
    : makeClient_(std::move(makeClient)),
      startThread_(std::move(startThread)),
      maxLeftBehind_(maxLeftBehind) {
  StartChannel();
}

Runner::~Runner() {
  if (!channel_) return;
  std::lock_guard<std::mutex> lock(channel_->mutex);
  channel_->stop = true;
  channel_->changed.notify_all();
}

bool Runner::StartChannel() {
  if (*leftBehind_ >= maxLeftBehind_) return false;
  auto channel = std::make_shared<Channel>();
  try {
    const auto leftBehind = leftBehind_;
    const MakeClient makeClient = makeClient_;
    if (!startThread_(
            [channel, makeClient, leftBehind] { Serve(channel, makeClient, leftBehind); }))
      return false;
  } catch (...) {
    return false;
  }
  channel_ = std::move(channel);
  return true;
}

void Runner::Serve(const std::shared_ptr<Channel>& channel, const MakeClient& makeClient,
                   const std::shared_ptr<std::atomic<int>>& leftBehind) {
  std::unique_ptr<Client> client;
  try {
    client = makeClient();
  } catch (...) {
  }
  std::unique_lock<std::mutex> lock(channel->mutex);
  if (!client) {
    channel->noClient = true;
    channel->changed.notify_all();
    return;
  }
  for (;;) {
    channel->changed.wait(lock, [&] { return channel->stop || channel->queued; });
    if (channel->stop) break;
    channel->queued = false;
    channel->running = true;
    const std::uintptr_t window = channel->window;
    const Point point = channel->point;
    lock.unlock();
    Reading reading;
    try {
      reading = ReadUnderPointer(*client, window, point);
    } catch (...) {
      reading = Reading{};  // out of memory: nothing read
    }
    lock.lock();
    channel->running = false;
    if (channel->stop) break;
    channel->result = std::move(reading);
    channel->done = true;
    channel->changed.notify_all();
  }
  const bool wasLeftBehind = channel->leftBehind;
  lock.unlock();
  // Releasing the client's objects may itself call the hung program.
  client.reset();
  if (wasLeftBehind) --*leftBehind;
}

std::optional<Reading> Runner::Read(std::uintptr_t window, Point point, unsigned timeoutMs) {
  if (noClient_ || timeoutMs == 0 || (!channel_ && !StartChannel())) return std::nullopt;
  Channel& channel = *channel_;
  std::unique_lock<std::mutex> lock(channel.mutex);
  channel.window = window;
  channel.point = point;
  channel.queued = true;
  channel.done = false;
  channel.changed.notify_all();
  const bool answered = channel.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                                 [&] { return channel.done || channel.noClient; });
  if (answered && channel.done) {
    channel.done = false;
    return std::move(channel.result);
  }
  channel.queued = false;
  if (channel.noClient) {
    noClient_ = true;
  } else if (channel.running) {
    // Caught in a call that does not come back: leave the thread behind.
    channel.stop = true;
    channel.leftBehind = true;
    ++*leftBehind_;
  } else {
    return std::nullopt;  // still making its client: it serves the next read
  }
  lock.unlock();
  channel_.reset();
  return std::nullopt;
}

}  // namespace automation
}  // namespace nhw32
