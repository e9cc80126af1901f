#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/glow_batch.h"
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

// The quad's corners are the list's two triangles without the repeated ends of
// their shared diagonal, in the list's order.
void ExpectSameGlows(const DisplayListModel& model, const GlowBatch& batch) {
  ASSERT_EQ(model.glows.size(), static_cast<size_t>(batch.GlowCount()));
  const auto same = [](const GlowVertex& a, const GlowVertex& b) {
    const auto near = [](float u, float v) { return std::abs(u - v) <= 1e-6f * (1 + std::abs(u)); };
    return a.s == b.s && a.t == b.t && a.r == b.r && a.g == b.g && a.b == b.b && near(a.x, b.x) &&
           near(a.y, b.y) && near(a.z, b.z);
  };
  for (int glow = 0; glow < batch.GlowCount(); ++glow) {
    const GlowVertex* quad = batch.Vertices() + glow * kVerticesPerGlow;
    const std::array<GlowVertex, 6>& list = model.glows[static_cast<size_t>(glow)];
    const int listIndex[] = {0, 1, 2, 5};
    for (int corner = 0; corner < 4; ++corner) {
      EXPECT_TRUE(same(list[listIndex[corner]], quad[corner])) << glow << " corner " << corner;
    }
  }
}
}  // namespace

TEST(GlowBatch, QuadsAreWhatTheDisplayListDrawsForAFieldsFrames) {
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
    EXPECT_TRUE(batch.Full());  // a whole frame fits
    ExpectSameGlows(model, batch);
    batch.Clear();
  }
}

TEST(GlowBatch, AFullBatchTakesNoMoreUntilCleared) {
  GlowBatch batch(kHalfSize);
  while (!batch.Full()) batch.DrawGlow();
  batch.Translate(1.0f, 0.0f, 0.0f);
  batch.DrawGlow();
  EXPECT_EQ(batch.Vertices()[(GlowBatch::kCapacity - 1) * kVerticesPerGlow].x, -kHalfSize);
  batch.Clear();
  batch.DrawGlow();
  EXPECT_EQ(batch.GlowCount(), 1);
  EXPECT_EQ(batch.Vertices()[0].x, 1.0f - kHalfSize);
}
