#include "leading_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvane {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrNothingBeyondADouble) {
  const struct {
    const wchar_t* text;
    std::optional<double> number;
  } cases[] = {
      {L"42", 42.0},
      {L" \t-2.5x", -2.5},
      {L"+7e2 ", 700.0},
      {L"1e", 1.0},
      {L"abc", 0.0},
      {L"", 0.0},
      {L".5", 0.5},
      {L"1e400", std::nullopt},
      {L"-1e400", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.number) << c.text;
}

TEST(RoundToInt32, NearestWithHalvesToEvenWithinThirtyTwoBits) {
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(-3.5), -4);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
  EXPECT_EQ(RoundToInt32(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace zelvane
