#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/glow_batch.h"
#include "scene/view_angle.h"

namespace {
constexpr float kHalfSize = 0.2f;

struct DrawnVertex {
  float s, t, r, g, b, x, y, z;
};

// What OpenGL does with the display-list drawer's calls: a matrix stack, and
// display list 1 as compiled by the scene, two triangles of (texture
// coordinate, vertex) pairs put through the current matrix.
class DisplayListModel {
 public:
  using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it

  void SetColor(const float* rgb) { color_ = {rgb[0], rgb[1], rgb[2]}; }
  void PushMatrix() { stack_.push_back(stack_.back()); }
  void Translate(float x, float y, float z) {
    Matrix& m = stack_.back();
    for (int row = 0; row < 4; ++row) m[12 + row] += m[row] * x + m[4 + row] * y + m[8 + row] * z;
  }
  void Scale(float f) {
    for (int i = 0; i < 12; ++i) stack_.back()[i] *= f;
  }
  void DrawGlow() {
    const float h = kHalfSize;
    const float list[6][4] = {{0, 0, -h, -h}, {1, 0, h, -h}, {1, 1, h, h},
                              {0, 0, -h, -h}, {1, 1, h, h},  {0, 1, -h, h}};
    const Matrix& m = stack_.back();
    std::array<DrawnVertex, 6> triangles;
    for (int i = 0; i < 6; ++i) {
      const auto [s, t, vx, vy] = list[i];
      triangles[i] = {s,
                      t,
                      color_[0],
                      color_[1],
                      color_[2],
                      static_cast<float>(m[0] * vx + m[4] * vy + m[12]),
                      static_cast<float>(m[1] * vx + m[5] * vy + m[13]),
                      static_cast<float>(m[2] * vx + m[6] * vy + m[14])};
    }
    glows.push_back(triangles);
  }
  void PopMatrix() { stack_.pop_back(); }

  std::vector<std::array<DrawnVertex, 6>> glows;

 private:
  std::array<float, 3> color_{};
  std::vector<Matrix> stack_{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
};

bool Same(const DrawnVertex& a, const GlowVertex& b) {
  const auto near = [](float u, float v) { return std::abs(u - v) <= 1e-6f * (1 + std::abs(u)); };
  return a.s == b.s && a.t == b.t && a.r == b.r && a.g == b.g && a.b == b.b && near(a.x, b.x) &&
         near(a.y, b.y) && near(a.z, b.z);
}

// The quad is the two triangles of the list: the lower-left and upper-right
// corners shared, in the order the list draws its corners, counter-clockwise.
void ExpectSameGlow(const std::array<DrawnVertex, 6>& list, const GlowVertex* quad,
                    const std::string& where) {
  const int corners[4] = {0, 1, 2, 5};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(Same(list[corners[i]], quad[i])) << where << " corner " << i;
  }
  EXPECT_TRUE(Same(list[3], quad[0]) && Same(list[4], quad[2])) << where;
}

// Plays the particle step's calls for one point into both drawers.
template <typename Drawer>
void DrawPoint(Drawer& drawer, const float* rgb, float x, float y, float z, float scale) {
  drawer.SetColor(rgb);
  drawer.PushMatrix();
  drawer.Translate(x, y, z);
  if (scale != 1.0f) drawer.Scale(scale);
  drawer.DrawGlow();
  drawer.PopMatrix();
}
}  // namespace

TEST(GlowBatch, QuadsMatchWhatTheDisplayListDrawsForAFieldsFrames) {
  FieldState field;
  SeedRandom(field.randomState, 4242);
  InitField(field, kFixedRendererSettings);
  FieldState replay = field;
  GlowBatch batch(kHalfSize);
  for (int frame = 0; frame < 40; ++frame) {
    DisplayListModel model;
    AdvanceViewAngle(replay, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : replay.swarms) UpdateSwarm(swarm, replay, model);
    AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, batch);

    ASSERT_EQ(batch.GlowCount(), GlowBatch::kCapacity);
    ASSERT_EQ(model.glows.size(), size_t{GlowBatch::kCapacity});
    EXPECT_TRUE(batch.Full());
    for (int i = 0; i < batch.GlowCount(); ++i) {
      ExpectSameGlow(model.glows[i], batch.Vertices() + i * kVerticesPerGlow,
                     "frame " + std::to_string(frame) + " glow " + std::to_string(i));
    }
    batch.Clear();
  }
}

TEST(GlowBatch, PlacesScalesAndRestoresLikeTheMatrixCalls) {
  const float red[3] = {1.0f, 0.25f, 0.0f}, blue[3] = {0.0f, 0.5f, 0.125f};
  DisplayListModel model;
  GlowBatch batch(kHalfSize);
  DrawPoint(model, red, 1.5f, -2.0f, 0.75f, 0.259f);
  DrawPoint(batch, red, 1.5f, -2.0f, 0.75f, 0.259f);
  DrawPoint(model, blue, -3.0f, 0.5f, -1.0f, 1.0f);  // after the pop: no scale left over
  DrawPoint(batch, blue, -3.0f, 0.5f, -1.0f, 1.0f);
  // Scaled before moving: the move is in scaled units.
  for (auto drawer : {0, 1}) {
    auto play = [&](auto& d) {
      d.SetColor(blue);
      d.PushMatrix();
      d.Scale(0.5f);
      d.Translate(2.0f, 4.0f, -6.0f);
      d.Scale(0.5f);
      d.DrawGlow();
      d.PopMatrix();
    };
    drawer == 0 ? play(model) : play(batch);
  }
  ASSERT_EQ(batch.GlowCount(), 3);
  for (int i = 0; i < 3; ++i) {
    ExpectSameGlow(model.glows[i], batch.Vertices() + i * kVerticesPerGlow, std::to_string(i));
  }
  // The second glow at full size around its point, lower left first.
  const GlowVertex& lowerLeft = batch.Vertices()[kVerticesPerGlow];
  EXPECT_FLOAT_EQ(lowerLeft.x, -3.2f);
  EXPECT_FLOAT_EQ(lowerLeft.y, 0.3f);
  EXPECT_FLOAT_EQ(lowerLeft.z, -1.0f);
}

TEST(GlowBatch, AFullBatchTakesNoMoreUntilCleared) {
  const float white[3] = {1, 1, 1};
  GlowBatch batch(kHalfSize);
  for (int i = 0; i < GlowBatch::kCapacity; ++i) {
    EXPECT_FALSE(batch.Full()) << i;
    DrawPoint(batch, white, static_cast<float>(i), 0, 0, 1);
  }
  EXPECT_TRUE(batch.Full());
  DrawPoint(batch, white, -1, 0, 0, 1);
  EXPECT_EQ(batch.GlowCount(), GlowBatch::kCapacity);
  const GlowVertex& last = batch.Vertices()[(GlowBatch::kCapacity - 1) * kVerticesPerGlow];
  EXPECT_FLOAT_EQ(last.x, GlowBatch::kCapacity - 1 - kHalfSize) << "not overwritten";
  batch.Clear();
  EXPECT_EQ(batch.GlowCount(), 0);
  DrawPoint(batch, white, 7, 0, 0, 1);
  EXPECT_FLOAT_EQ(batch.Vertices()[0].x, 7 - kHalfSize);
}
