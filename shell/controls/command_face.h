// The measures of a button face: the eight pieces of the border ring copied
// from a 64 x 25 skin image, the two corners of the vertical gradient and the
// caption's vertical place. Sizes come in twips, as the button's place does;
// the platform draws in pixels, 15 twips to the pixel.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zelvane::controls {

// A skin image: 64 x 25 pixels, of which only the outer four on each side are
// copied.
inline constexpr int kSkinWidthPixels = 64;
inline constexpr int kSkinHeightPixels = 25;
inline constexpr int kRingPixels = 4;

// The caption's height, one line of the button's font.
inline constexpr int kCaptionHeightTwips = 195;

// A part of the skin copied into a rectangle of the face, stretched when the
// sizes differ.
struct RingPiece {
  int x, y, width, height;
  int srcX, srcY, srcWidth, srcHeight;
  friend bool operator==(const RingPiece&, const RingPiece&) = default;
};
using RingPieces = std::array<RingPiece, 8>;

// The ring's measures, kept from one repaint to the next: a size that does not
// fit in 16 bits leaves the value it would have given as it was.
class RingGeometry {
 public:
  // Recomputes from the button's outer width and height in twips.
  void Update(int widthTwips, int heightTwips);

  // The pieces clockwise from the top-left corner: corner, top edge, corner,
  // right edge, corner, bottom edge, corner, left edge. In twips, and in
  // pixels as they are drawn.
  RingPieces Twips() const;
  RingPieces Pixels() const;

 private:
  std::int16_t width_ = 0;
  std::int16_t height_ = 0;
  std::int16_t right_ = 0;       // the right corners' left edge
  std::int16_t bottom_ = 0;      // the bottom corners' top edge
  std::int16_t edgeWidth_ = 0;   // the length of the top and bottom edges
  std::int16_t edgeHeight_ = 0;  // the length of the left and right edges
};

// A corner of the gradient: position in pixels, 16-bit colour channels with
// the colour in the high byte.
struct GradientVertex {
  std::int32_t x, y;
  std::uint16_t red, green, blue, alpha;
  friend bool operator==(const GradientVertex&, const GradientVertex&) = default;
};

// The gradient's two colours as written in the button's own terms: "&H"
// followed by red, green and blue as two hexadecimal digits each.
inline constexpr std::string_view kGradientWhite = "&HFFFFFF";
inline constexpr std::string_view kGradientLavender = "&HC6C5D7";

// The channels of such a text, each pair as the high byte of a 16-bit value.
// Throws rt::RuntimeError for a text that is not of that form.
std::array<std::uint16_t, 3> GradientChannels(std::string_view text);

// The gradient over a face of the given size in pixels: top-left corner at
// (0, 0), bottom-right at (width - 1, height - 1); white at the top unless
// inverted.
std::array<GradientVertex, 2> GradientVertices(bool inverted, int widthPixels, int heightPixels);

// The caption's top for a button of the given height, in twips as computed
// (single precision), and as the whole pixel it is placed on.
float CaptionTopTwips(int heightTwips);
int CaptionTopPixels(int heightTwips);

}  // namespace zelvane::controls
