#include <gtest/gtest.h>

#include <vector>

#include "dialog/dialog_drawing.h"

namespace zelvane::dialog {
namespace {

constexpr int kClientHeight = 246;

TEST(BackgroundRows, DarkAtTheEdgesBrightHalfWayWithTheDialogsOwnPi) {
  const std::vector<rt::Colour> rows = BackgroundRows(kClientHeight);
  ASSERT_EQ(rows.size(), 247u);  // rows 0 to 246, both included
  const struct {
    int y;
    int v;
  } cases[] = {
      {0, 0},     {1, 3},     {10, 28},   {41, 110},  {60, 153}, {82, 191}, {122, 220},
      {123, 220}, {124, 220}, {164, 190}, {200, 122}, {245, 3},  {246, 0},
  };
  // 82 and 164 lie a third and two thirds of the way down; with pi itself
  // both would be 191.
  for (const auto& c : cases) {
    EXPECT_EQ(rows[static_cast<std::size_t>(c.y)], rt::Rgb(c.v, c.v, c.v + 30)) << "row " << c.y;
  }
}

TEST(BackgroundRows, EveryRowIsGreyLiftedTowardsBlue) {
  for (const rt::Colour c : BackgroundRows(kClientHeight)) {
    EXPECT_EQ(rt::RedOf(c), rt::GreenOf(c));
    EXPECT_EQ(rt::BlueOf(c), rt::RedOf(c) + 30);
    EXPECT_LE(rt::RedOf(c), 220);
  }
  EXPECT_TRUE(BackgroundRows(0).empty());
  EXPECT_TRUE(BackgroundRows(-5).empty());
  EXPECT_EQ(BackgroundRows(1).size(), 2u);
}

TEST(TilePositions, TheMarblePanelTakesTwoColumnsOfTenTiles) {
  // The 556 x 20 marble over the 469 x 165 panel.
  std::vector<TilePoint> expected;
  for (int x : {0, 556}) {
    for (int y = 0; y <= 180; y += 20) expected.push_back({x, y});
  }
  EXPECT_EQ(TilePositions(556, 20, 469, 165), expected);
}

TEST(TilePositions, OneTileBeyondTheBottomAndOneColumnBeyondTheRight) {
  const struct {
    int tileW, tileH, targetW, targetH;
    std::size_t columns, perColumn;
  } cases[] = {
      {10, 10, 25, 25, 4, 4},  // 0, 10, 20, 30: the tile at 30 starts past 25
      {10, 10, 20, 20, 4, 4},  // an edge on a tile boundary is not yet past it
      {10, 10, 19, 19, 3, 3},  //
      {10, 10, 0, 0, 2, 2},    // even an empty target gets its tiles
      {556, 20, 556, 20, 3, 3},
  };
  for (const auto& c : cases) {
    const std::vector<TilePoint> points = TilePositions(c.tileW, c.tileH, c.targetW, c.targetH);
    ASSERT_EQ(points.size(), c.columns * c.perColumn) << c.targetW << " x " << c.targetH;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const int column = static_cast<int>(i / c.perColumn), row = static_cast<int>(i % c.perColumn);
      EXPECT_EQ(points[i], (TilePoint{column * c.tileW, row * c.tileH}));
    }
    EXPECT_GT(points.back().x, c.targetW);
    EXPECT_GT(points.back().y, c.targetH);
    EXPECT_LE(points[points.size() - 2].y, c.targetH);
  }
}

TEST(TilePositions, ATileWithoutAreaDrawsNothing) {
  EXPECT_TRUE(TilePositions(0, 20, 469, 165).empty());
  EXPECT_TRUE(TilePositions(556, 0, 469, 165).empty());
  EXPECT_TRUE(TilePositions(-1, 20, 469, 165).empty());
  EXPECT_EQ(TilePositions(1, 1, 0, 0), (std::vector<TilePoint>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
}

}  // namespace
}  // namespace zelvane::dialog
