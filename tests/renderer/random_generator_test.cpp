#include "field/random_generator.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, SeededWithOneGivesTheKnownSequence) {
  uint32_t state = 12345;
  SeedRandom(state, 1);
  EXPECT_EQ(NextRandom(state), 41);
  EXPECT_EQ(NextRandom(state), 18467);
  EXPECT_EQ(NextRandom(state), 6334);
}

TEST(RandomGenerator, ValuesStayWithinFifteenBits) {
  uint32_t state = 0xFFFFFFFFu;
  for (int i = 0; i < 10000; ++i) {
    const int value = NextRandom(state);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, kRandomMax);
  }
}

TEST(RandomGenerator, ScalingsReachTheirBoundsExactly) {
  // The largest value lands a hair above 1 before rounding to a 32-bit float.
  EXPECT_EQ(SignedUnitFromRandom(0), -1.0f);
  EXPECT_EQ(SignedUnitFromRandom(kRandomMax), 1.0f);
  EXPECT_EQ(FractionFromRandom(0), 0.0f);
  EXPECT_EQ(FractionFromRandom(kRandomMax), 1.0f);
  EXPECT_NEAR(SignedUnitFromRandom(16384), 1.0 / 32767, 1e-7);
  EXPECT_NEAR(FractionFromRandom(16384), 0.5, 2e-5);
}
