#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/glow_batch.h"
#include "scene/glow_texture.h"
#include "scene/view_angle.h"

namespace {
constexpr float kHalfSize = 0.2f;

// What OpenGL makes of the display-list drawer's calls: a matrix stack, and
// the billboard list as compiled, six (texture coordinate, vertex) pairs of
// two triangles, put through the matrix.
struct DisplayListModel {
  using Matrix = std::array<double, 16>;  // column-major
  std::vector<Matrix> stack{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  std::array<float, 3> color{};
  std::vector<std::array<GlowVertex, 6>> glows;

  void SetColor(const float* rgb) { color = {rgb[0], rgb[1], rgb[2]}; }
  void PushMatrix() { stack.push_back(stack.back()); }
  void Translate(float x, float y, float z) {
    Matrix& m = stack.back();
    for (int row = 0; row < 4; ++row) m[12 + row] += m[row] * x + m[4 + row] * y + m[8 + row] * z;
  }
  void Scale(float f) {
    for (int i = 0; i < 12; ++i) stack.back()[i] *= f;
  }
  void DrawGlow() {
    const float h = kHalfSize;
    const float list[6][4] = {{0, 0, -h, -h}, {1, 0, h, -h}, {1, 1, h, h},
                              {0, 0, -h, -h}, {1, 1, h, h},  {0, 1, -h, h}};
    const Matrix& m = stack.back();
    std::array<GlowVertex, 6>& glow = glows.emplace_back();
    for (int i = 0; i < 6; ++i) {
      const auto [s, t, x, y] = list[i];
      const auto at = [&](int r) {
        return static_cast<float>(m[r] * x + m[4 + r] * y + m[12 + r]);
      };
      glow[i] = {s, t, color[0], color[1], color[2], at(0), at(1), at(2)};
    }
  }
  void PopMatrix() { stack.pop_back(); }
};

// Each batched corner lies where the display list's square has the corner's
// texture coordinate: the list's lower-left corner, plus s times its bottom
// side and t times its left side.
void ExpectSameGlows(const DisplayListModel& model, const GlowBatch& batch) {
  ASSERT_EQ(model.glows.size(), static_cast<size_t>(batch.GlowCount()));
  const int corners = batch.Shape().cornerCount;
  const auto near = [](float u, double v) { return std::abs(u - v) <= 1e-6 * (1 + std::abs(v)); };
  for (int glow = 0; glow < batch.GlowCount(); ++glow) {
    const std::array<GlowVertex, 6>& list = model.glows[static_cast<size_t>(glow)];
    const GlowVertex &lowerLeft = list[0], &lowerRight = list[1], &upperLeft = list[5];
    for (int corner = 0; corner < corners; ++corner) {
      const GlowVertex& v = batch.Vertices()[glow * corners + corner];
      const auto at = [&](float GlowVertex::*axis) {
        return lowerLeft.*axis + double{v.s} * (lowerRight.*axis - lowerLeft.*axis) +
               double{v.t} * (upperLeft.*axis - lowerLeft.*axis);
      };
      EXPECT_TRUE(near(v.x, at(&GlowVertex::x)) && near(v.y, at(&GlowVertex::y)) &&
                  near(v.z, at(&GlowVertex::z)))
          << glow << " corner " << corner;
      EXPECT_TRUE(v.r == lowerLeft.r && v.g == lowerLeft.g && v.b == lowerLeft.b) << glow;
    }
  }
}
}  // namespace

TEST(GlowBatch, EachGlowIsItsShapeWhereTheDisplayListDrawsItsSquare) {
  GlowTexture texture;
  BuildGlowTexture(texture);
  for (const GlowShape& shape : {SquareGlowShape(), BoundingGlowShape(texture)}) {
    FieldState field;
    SeedRandom(field.randomState, 4242);
    InitField(field, kFixedRendererSettings);
    FieldState replay = field;
    GlowBatch batch(kHalfSize, shape);
    for (int frame = 0; frame < 40; ++frame) {
      DisplayListModel model;
      AdvanceViewAngle(replay, kFixedRendererSettings.rotationSpeed);
      for (Swarm& swarm : replay.swarms) UpdateSwarm(swarm, replay, model);
      AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
      for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, batch);
      EXPECT_TRUE(batch.Full());  // a whole frame fits
      ExpectSameGlows(model, batch);
      batch.Clear();
    }
  }
}

TEST(GlowBatch, AFullBatchTakesNoMoreUntilClearedAndIndexesEachGlowsOwnCorners) {
  GlowBatch batch(kHalfSize);
  while (!batch.Full()) batch.DrawGlow();
  batch.Translate(1.0f, 0.0f, 0.0f);
  batch.DrawGlow();
  constexpr int kLast = GlowBatch::kCapacity - 1;
  EXPECT_EQ(batch.Vertices()[kLast * 4].x, -kHalfSize);
  ASSERT_EQ(batch.IndexCount(), GlowBatch::kCapacity * 6);
  const uint16_t* last = batch.TriangleIndices() + kLast * 6;
  EXPECT_EQ((std::vector<int>(last, last + 6)),
            (std::vector<int>{kLast * 4, kLast * 4 + 1, kLast * 4 + 2, kLast * 4, kLast * 4 + 2,
                              kLast * 4 + 3}));
  batch.Clear();
  batch.DrawGlow();
  EXPECT_EQ(batch.GlowCount(), 1);
  EXPECT_EQ(batch.Vertices()[0].x, 1.0f - kHalfSize);
}
