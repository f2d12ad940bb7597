// The program's one random generator, in the classic rand() form, so that a
// seed gives the same questions on every platform.
#pragma once

#include <cstdint>

namespace vodari {

class RandomGenerator {
 public:
  static constexpr int kMax = 0x7FFF;

  void Seed(std::uint32_t seed) { state_ = seed; }
  // The next value, 0..32767.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_ = 1;
};

}  // namespace vodari
