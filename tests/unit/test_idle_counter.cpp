#include "app/idle_counter.h"

#include <gtest/gtest.h>

namespace vodari {
namespace {

TEST(IdleCounter, CaptureIsDueOnTheNinthTickOnceASecond) {
  IdleCounter idle;
  for (int second = 0; second < 2; ++second) {
    for (int tick = 1; tick <= 8; ++tick) {
      idle.Tick();
      EXPECT_FALSE(idle.CaptureDue()) << tick;
    }
    idle.Tick();
    EXPECT_TRUE(idle.CaptureDue());
    EXPECT_TRUE(idle.TakeDueCapture());
    EXPECT_FALSE(idle.TakeDueCapture());  // one capture per due count
    idle.Tick();  // the tenth tick starts the count again
    EXPECT_FALSE(idle.CaptureDue());
  }
  for (int tick = 0; tick < 9; ++tick) idle.Tick();
  idle.Restart();  // a key press or a mouse move
  EXPECT_FALSE(idle.CaptureDue());
}

}  // namespace
}  // namespace vodari
