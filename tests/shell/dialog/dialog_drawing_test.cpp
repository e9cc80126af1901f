#include "dialog/dialog_drawing.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvane::dialog {
namespace {

// Grey lifted towards blue: (v, v, v + 30), darkest at the edges and brightest
// half-way down the 246-row client area.
TEST(BackgroundRows, DarkAtTheEdgesBrightHalfWayWithTheDialogsOwnPi) {
  const std::vector<rt::Colour> rows = BackgroundRows(246);
  ASSERT_EQ(rows.size(), 247u);  // rows 0 to 246, both included
  const struct {
    int y, v;
  } cases[] = {{0, 0},     {1, 3},     {41, 110},  {60, 153}, {82, 191},
               {122, 220}, {123, 220}, {164, 190}, {245, 3},  {246, 0}};
  // 82 and 164 lie a third and two thirds of the way down; with pi itself
  // both would be 191.
  for (const auto& c : cases) {
    EXPECT_EQ(rows[static_cast<std::size_t>(c.y)], rt::Rgb(c.v, c.v, c.v + 30)) << "row " << c.y;
  }
  EXPECT_EQ(BackgroundRows(1).size(), 2u);
}

// Column after column, each from the top: one tile beyond the bottom of each
// column, one column beyond the right edge.
TEST(TilePositions, OneTileBeyondTheBottomAndOneColumnBeyondTheRight) {
  std::vector<TilePoint> marble;  // the 556 x 20 marble over the 469 x 165 panel
  for (int x : {0, 556}) {
    for (int y = 0; y <= 180; y += 20) marble.push_back({x, y});
  }
  EXPECT_EQ(TilePositions(556, 20, 469, 165), marble);
  const struct {
    int tile, target;
    std::size_t perSide;
  } cases[] = {
      {10, 20, 4},  // 0, 10, 20, 30: an edge on a tile boundary is not yet past it
      {10, 0, 2},   // even an empty target gets its tiles
      {-1, 165, 0},
  };
  for (const auto& c : cases) {
    const std::vector<TilePoint> points = TilePositions(c.tile, c.tile, c.target, c.target);
    ASSERT_EQ(points.size(), c.perSide * c.perSide) << c.tile << ", " << c.target;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const auto column = static_cast<int>(i / c.perSide), row = static_cast<int>(i % c.perSide);
      EXPECT_EQ(points[i], (TilePoint{column * c.tile, row * c.tile}));
    }
  }
  EXPECT_TRUE(TilePositions(556, 0, 469, 165).empty());
}

}  // namespace
}  // namespace zelvane::dialog
