// The idle rhythm of hover capture: a tick every 100 ms, restarted by every
// key press and mouse movement over the main dialog. Once nine ticks have
// passed without one, a capture is due; the tenth tick starts the count
// again, so captures come about once a second while the user rests.
#pragma once

namespace vodari {

class IdleCounter {
 public:
  void Tick() {
    if (++ticks_ == 10) ticks_ = 0;
    taken_ = false;
  }
  void Restart() {
    ticks_ = 0;
    taken_ = false;
  }
  bool CaptureDue() const { return ticks_ >= 9; }
  // True once per due count: the capture it starts posts messages of its
  // own, and each of them must not start yet another capture before the
  // next tick, or a library that answers at once would keep the queue busy
  // forever and starve the timers and the user's input.
  bool TakeDueCapture() {
    if (!CaptureDue() || taken_) return false;
    taken_ = true;
    return true;
  }

 private:
  int ticks_ = 0;
  bool taken_ = false;
};

}  // namespace vodari
