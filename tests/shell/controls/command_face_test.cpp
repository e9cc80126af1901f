// The measures of a button face: ring pieces, gradient corners and colours,
// the caption's place.
#include "controls/command_face.h"

#include <gtest/gtest.h>

#include "runtime/errors_suppressed.h"

namespace zelvane::controls {
namespace {

constexpr int Twips(int pixels) {
  return pixels * 15;
}

// The edges stretch from the skin's strips; at 8 pixels wide the corners meet.
// A size beyond 16 bits keeps the previous measure, the other one still follows.
TEST(RingGeometry, A77By25AndAn8PixelWideButtonAndSizesBeyond16Bits) {
  const RingPieces wide = {{
      {0, 0, 4, 4, 0, 0, 4, 4},
      {4, 0, 69, 4, 4, 0, 56, 4},
      {73, 0, 4, 4, 60, 0, 4, 4},
      {73, 4, 4, 17, 60, 4, 4, 17},
      {73, 21, 4, 4, 60, 21, 4, 4},
      {4, 21, 69, 4, 4, 21, 56, 4},
      {0, 21, 4, 4, 0, 21, 4, 4},
      {0, 4, 4, 17, 0, 4, 4, 17},
  }};
  RingGeometry ring;
  ring.Update(Twips(77), Twips(25));
  EXPECT_EQ(ring.Pixels(), wide);
  // In twips, the source starts one twip in where the table says so.
  EXPECT_EQ(ring.Twips()[1], (RingPiece{60, 1, 1035, 60, 60, 1, 840, 60}));
  EXPECT_EQ(ring.Twips()[7], (RingPiece{1, 60, 60, 255, 1, 60, 60, 255}));
  ring.Update(40'000, Twips(25));
  EXPECT_EQ(ring.Pixels(), wide);
  ring.Update(Twips(100), 32'768);
  EXPECT_EQ(ring.Pixels()[4], (RingPiece{96, 21, 4, 4, 60, 21, 4, 4}));
  ring.Update(32'767, 32'767);  // the largest size that fits
  EXPECT_EQ(ring.Twips()[2].x, 32'707);
  EXPECT_EQ(ring.Twips()[5].y, 32'707);

  RingPieces narrow = wide;
  for (int i : {2, 3, 4}) narrow[static_cast<std::size_t>(i)].x = 4;
  narrow[1].width = narrow[5].width = 0;
  ring.Update(Twips(8), Twips(25));
  EXPECT_EQ(ring.Pixels(), narrow);
}

TEST(Gradient, ColourTextsAndCornersWithWhiteOnTopUnlessInverted) {
  using Channels = std::array<std::uint16_t, 3>;
  EXPECT_EQ(GradientChannels("&H0a1B2c"), (Channels{0x0A00, 0x1B00, 0x2C00}));
  for (const char* bad : {"&HC6C5D", "&HC6C5D7FF", "#HC6C5D7", "&HC6C5G7"}) {
    EXPECT_THROW(GradientChannels(bad), rt::RuntimeError) << bad;
  }
  using Vertices = std::array<GradientVertex, 2>;
  EXPECT_EQ(GradientVertices(false, 77, 25),
            (Vertices{{{0, 0, 0xFF00, 0xFF00, 0xFF00, 0}, {76, 24, 0xC600, 0xC500, 0xD700, 0}}}));
  EXPECT_EQ(GradientVertices(true, 117, 28),
            (Vertices{{{0, 0, 0xC600, 0xC500, 0xD700, 0}, {116, 27, 0xFF00, 0xFF00, 0xFF00, 0}}}));
}

TEST(CaptionPlace, CentredTwentyTwipsHighOnTheNearestPixel) {
  const struct {
    int height;
    float twips;
    int pixels;
  } cases[] = {{420, 102.5f, 7}, {375, 80.0f, 5}, {195, -10.0f, -1}, {120, -47.5f, -3}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(CaptionTopTwips(c.height), c.twips) << c.height;
    EXPECT_EQ(CaptionTopPixels(c.height), c.pixels) << c.height;
  }
}

}  // namespace
}  // namespace zelvane::controls
