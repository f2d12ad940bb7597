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
  }
  void Restart() { ticks_ = 0; }
  bool CaptureDue() const { return ticks_ >= 9; }

 private:
  int ticks_ = 0;
};

}  // namespace vodari
