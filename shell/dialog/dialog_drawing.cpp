#include "dialog_drawing.h"

#include <cmath>

namespace zelvane::dialog {
namespace {

// The gradient's half period in rows is the client height over this.
constexpr double kGradientPi = 3.142;
constexpr double kGradientSpan = 220;
constexpr int kGradientBlueLift = 30;

}  // namespace

std::vector<rt::Colour> BackgroundRows(int clientHeight) {
  std::vector<rt::Colour> rows;
  if (clientHeight <= 0) return rows;
  const double d = clientHeight / kGradientPi;
  rows.reserve(static_cast<std::size_t>(clientHeight) + 1);
  for (int y = 0; y <= clientHeight; ++y) {
    // nearbyint rounds halves to the even neighbour in the default mode.
    const int v = static_cast<int>(std::nearbyint(std::abs(std::sin(y / d)) * kGradientSpan));
    rows.push_back(rt::Rgb(v, v, v + kGradientBlueLift));
  }
  return rows;
}

std::vector<TilePoint> TilePositions(int tileWidth, int tileHeight, int targetWidth,
                                     int targetHeight) {
  std::vector<TilePoint> points;
  if (tileWidth <= 0 || tileHeight <= 0) return points;
  int x = 0, y = 0;
  for (;;) {
    points.push_back({x, y});
    if (y > targetHeight) {
      if (x > targetWidth) break;
      x += tileWidth;
      y = 0;
    } else {
      y += tileHeight;
    }
  }
  return points;
}

}  // namespace zelvane::dialog
