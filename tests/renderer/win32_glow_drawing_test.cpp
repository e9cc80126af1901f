// The batched glow drawer against the display-list drawer, on the real OpenGL
// under Wine: the same simulated frames give the same picture.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "scene/win32_scene.h"
#include "win32_test_window.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;

std::vector<unsigned char> RenderAndRead(Scene& scene, GlowDrawing drawing) {
  scene.Render(drawing);
  std::vector<unsigned char> pixels(size_t{kWidth} * kHeight * 3);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}
}  // namespace

TEST(GlowDrawing, BatchedFramesAreTheDisplayListFramesUpToRounding) {
  const HWND window = CreateSceneTestWindow(L"GlowDrawingTest", kWidth, kHeight);
  ASSERT_NE(window, nullptr);
  Scene scene;
  scene.Open(window, 1, kFixedRendererSettings);
  ASSERT_NE(scene.RenderContext(), nullptr);

  int worst = 0;
  long differing = 0, lit = 0, compared = 0;
  for (int round = 0; round < 6; ++round) {
    for (int frame = 0; frame < 15; ++frame) scene.Render();  // the field spreads out
    const FieldState before = scene.Field();
    const std::vector<unsigned char> reference = RenderAndRead(scene, GlowDrawing::kOneCallPerGlow);
    scene.Field() = before;  // the same simulated frame again
    const std::vector<unsigned char> batched = RenderAndRead(scene, GlowDrawing::kBatched);
    scene.Present();
    for (size_t i = 0; i < reference.size(); ++i, ++compared) {
      worst = std::max(worst, std::abs(reference[i] - batched[i]));
      differing += std::abs(reference[i] - batched[i]) > 1;
      lit += reference[i] > 8;
    }
  }
  EXPECT_GT(lit, compared / 200) << "the frames show glows";
  EXPECT_LE(worst, 4);
  EXPECT_LT(differing, compared / 10000) << "of " << compared;
  scene.Close();
  DestroyWindow(window);
}
