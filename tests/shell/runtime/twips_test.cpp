#include <gtest/gtest.h>

#include "runtime/twips.h"

namespace zelvane::rt {
namespace {

TEST(Twips, OneRoundingToPixelsForWholeAndFractionalTwipsPlacesAndSurfaces) {
  const struct {
    double twips;
    int pixels;
  } cases[] = {
      {0, 0},    {7, 0},      {7.5, 1},    {8, 1},      {15, 1},   {22.4, 1},
      {22.5, 2}, {102, 7},    {102.5, 7},  {97.5, 7},   {97.4, 6}, {-7.5, -1},
      {-7.4, 0}, {-22.5, -2}, {7440, 496}, {3690, 246},
  };
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
  // Each edge rounds on its own, so the size in pixels is the same wherever
  // the control sits; a surface measured in pixels rounds the same way.
  EXPECT_EQ(PixelPlaceOf({8, 8, 22, 22}), (PixelPlace{1, 1, 1, 1}));
  EXPECT_EQ(PixelPlaceOf({7, -8, 22, 8}), (PixelPlace{0, -1, 1, 1}));
  EXPECT_EQ(PixelPlaceOf(PixelBounds(12, 16, 469, 165)), (PixelPlace{12, 16, 469, 165}));
  EXPECT_EQ(ToPixels(2.5, ScaleMode::kPixels), 3);
  EXPECT_EQ(ToPixels(-2.5, ScaleMode::kPixels), -3);
  EXPECT_EQ(ToPixels(37.5, ScaleMode::kTwips), 3);
  EXPECT_EQ(FromPixels(3, ScaleMode::kTwips), 45);
  EXPECT_EQ(FromPixels(3, ScaleMode::kPixels), 3);
}

}  // namespace
}  // namespace zelvane::rt
