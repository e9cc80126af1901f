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
  EXPECT_TRUE(BackgroundRows(0).empty());
  const struct {
    int y, v;
  } cases[] = {{0, 0},     {1, 3},     {41, 110},  {60, 153}, {82, 191},
               {122, 220}, {123, 220}, {164, 190}, {245, 3},  {246, 0}};
  // 82 and 164 lie a third and two thirds of the way down; with pi itself
  // both would be 191.
  for (const auto& c : cases)
    EXPECT_EQ(rows[static_cast<std::size_t>(c.y)], rt::Rgb(c.v, c.v, c.v + 30)) << "row " << c.y;
}

TEST(TilePositions, OneTileBeyondTheBottomAndOneColumnBeyondTheRight) {
  std::vector<TilePoint> marble;  // the 556 x 20 marble over the 469 x 165 panel
  for (int x : {0, 556})
    for (int y = 0; y <= 180; y += 20) marble.push_back({x, y});
  EXPECT_EQ(TilePositions(556, 20, 469, 165), marble);
  // An edge on a tile boundary is not yet past it; a tile without area draws
  // nothing.
  EXPECT_EQ(TilePositions(10, 10, 20, 20).size(), 16u);
  EXPECT_TRUE(TilePositions(-1, 20, 469, 165).empty());
  EXPECT_TRUE(TilePositions(0, 20, 469, 165).empty());
  EXPECT_TRUE(TilePositions(556, 0, 469, 165).empty());
}

}  // namespace
}  // namespace zelvane::dialog
