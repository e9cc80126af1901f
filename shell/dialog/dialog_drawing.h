// What the settings dialog draws once and keeps: the background gradient of
// the form and the marble tiles of its panel. Everything is in pixels.
#pragma once

#include <vector>

#include "runtime/colour.h"

namespace zelvane::dialog {

// The colour of each background row y = 0 .. clientHeight, both included (the
// last row lies just below the client area): v = |sin(y / d)| x 220 with
// d = clientHeight / 3.142, rounded to the nearest whole number with halves to
// the even one, gives (v, v, v + 30). Darkest (0, 0, 30) at the top and bottom
// edges, brightest (220, 220, 250) half-way down. None for an empty area.
std::vector<rt::Colour> BackgroundRows(int clientHeight);

struct TilePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TilePoint&, const TilePoint&) = default;
};

// Where the copies of a tile go to cover a target, in drawing order: column
// after column from the left, each from the top. A column ends with the first
// tile that starts below the target's bottom edge; the columns end with the
// first one that starts beyond its right edge. So one tile lies beyond the
// bottom of every column and one column beyond the right edge. None for a
// tile without area, which could never cover anything.
std::vector<TilePoint> TilePositions(int tileWidth, int tileHeight, int targetWidth,
                                     int targetHeight);

}  // namespace zelvane::dialog
