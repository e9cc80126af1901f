#include "field/random_generator.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, KnownSequenceAndAScalingThatReachesItsBounds) {
  uint32_t state = 99;
  SeedRandom(state, 1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(NextRandom(state), expected);
  // The largest value lands a hair above 1 and rounds to exactly 1.
  EXPECT_EQ(SignedUnitFromRandom(0), -1.0f);
  EXPECT_EQ(SignedUnitFromRandom(kRandomMax), 1.0f);
  EXPECT_EQ(SignedUnitFromRandom(41), -0.9974974989891052f);
}
