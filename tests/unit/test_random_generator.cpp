#include <gtest/gtest.h>

#include <vector>

#include "study/random_generator.h"

namespace vodari {
namespace {

TEST(RandomGenerator, FollowsTheClassicSequence) {
  RandomGenerator rng;
  rng.Seed(1);
  std::vector<int> got;
  for (int i = 0; i < 10; ++i) got.push_back(rng.Next());
  EXPECT_EQ(got,
            (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
}

TEST(RandomGenerator, UnseededStartsAsSeedOneAndLargeSeedsWrap) {
  RandomGenerator unseeded;
  EXPECT_EQ(unseeded.Next(), 41);
  RandomGenerator zero;
  zero.Seed(0);
  EXPECT_EQ(zero.Next(), 38);
  RandomGenerator big;  // a time in seconds is far above 2^16
  big.Seed(0xFFFFFFFFu);
  // (0xFFFFFFFF * 214013 + 2531011) mod 2^32 = 0x00235AC6, so 0x23
  EXPECT_EQ(big.Next(), 35);
}

}  // namespace
}  // namespace vodari
