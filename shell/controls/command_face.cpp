#include "command_face.h"

#include <limits>

#include "runtime/errors_suppressed.h"
#include "runtime/twips.h"

namespace zelvane::controls {
namespace {

// The skin in twips: its size and its corner.
constexpr int kCorner = kRingPixels * rt::kTwipsPerPixel;            // 60
constexpr int kSkinWidth = kSkinWidthPixels * rt::kTwipsPerPixel;    // 960
constexpr int kSkinHeight = kSkinHeightPixels * rt::kTwipsPerPixel;  // 375
constexpr int kSkinEdgeWidth = kSkinWidth - 2 * kCorner;             // 840
constexpr int kSkinRight = kSkinEdgeWidth + kCorner;                 // 900
constexpr int kSkinEdgeHeight = kSkinHeight - 2 * kCorner;           // 255
constexpr int kSkinBottom = kCorner + kSkinEdgeHeight;               // 315
// The ring's outer pieces start one twip in, which is still the first pixel.
constexpr int kOuter = 1;

// The caption sits this much above the middle of the button.
constexpr float kCaptionLift = 20.0f;

// Stores value in member when it fits in 16 bits; otherwise the member keeps
// what it had.
void Store16(std::int16_t& member, int value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return;
  }
  member = static_cast<std::int16_t>(value);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw rt::RuntimeError("not a hexadecimal digit");
}

}  // namespace

void RingGeometry::Update(int widthTwips, int heightTwips) {
  Store16(width_, widthTwips);
  Store16(height_, heightTwips);
  Store16(right_, width_ - kCorner);
  Store16(bottom_, height_ - kCorner);
  Store16(edgeWidth_, width_ - 2 * kCorner);
  Store16(edgeHeight_, height_ - 2 * kCorner);
}

RingPieces RingGeometry::Twips() const {
  return {{
      {kOuter, kOuter, kCorner, kCorner, 0, 0, kCorner, kCorner},
      {kCorner, kOuter, edgeWidth_, kCorner, kCorner, kOuter, kSkinEdgeWidth, kCorner},
      {right_, kOuter, kCorner, kCorner, kSkinRight, kOuter, kCorner, kCorner},
      {right_, kCorner, kCorner, edgeHeight_, kSkinRight, kCorner, kCorner, kSkinEdgeHeight},
      {right_, bottom_, kCorner, kCorner, kSkinRight, kSkinBottom, kCorner, kCorner},
      {kCorner, bottom_, edgeWidth_, kCorner, kCorner, kSkinBottom, kSkinEdgeWidth, kCorner},
      {kOuter, bottom_, kCorner, kCorner, 0, kSkinBottom, kCorner, kCorner},
      {kOuter, kCorner, kCorner, edgeHeight_, kOuter, kCorner, kCorner, kSkinEdgeHeight},
  }};
}

RingPieces RingGeometry::Pixels() const {
  RingPieces pieces = Twips();
  for (RingPiece& p : pieces) {
    for (int* v : {&p.x, &p.y, &p.width, &p.height, &p.srcX, &p.srcY, &p.srcWidth, &p.srcHeight}) {
      *v = rt::TwipsToPixels(*v);
    }
  }
  return pieces;
}

std::array<std::uint16_t, 3> GradientChannels(std::string_view text) {
  if (text.size() != 8 || text.substr(0, 2) != "&H") {
    throw rt::RuntimeError("not a colour text");
  }
  std::array<std::uint16_t, 3> channels{};
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int pair = HexDigit(text[2 + 2 * i]) * 16 + HexDigit(text[3 + 2 * i]);
    channels[i] = static_cast<std::uint16_t>(pair << 8);
  }
  return channels;
}

std::array<GradientVertex, 2> GradientVertices(bool inverted, int widthPixels, int heightPixels) {
  const auto white = GradientChannels(kGradientWhite);
  const auto lavender = GradientChannels(kGradientLavender);
  const auto& top = inverted ? lavender : white;
  const auto& bottom = inverted ? white : lavender;
  return {{{0, 0, top[0], top[1], top[2], 0},
           {widthPixels - 1, heightPixels - 1, bottom[0], bottom[1], bottom[2], 0}}};
}

float CaptionTopTwips(int heightTwips) {
  return (static_cast<float>(heightTwips) - static_cast<float>(kCaptionHeightTwips) -
          kCaptionLift) /
         2.0f;
}

int CaptionTopPixels(int heightTwips) {
  // The nearest pixel, as every twips place of the runtime is drawn.
  return rt::TwipsToPixels(CaptionTopTwips(heightTwips));
}

}  // namespace zelvane::controls
