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

}  // namespace
}  // namespace vodari
