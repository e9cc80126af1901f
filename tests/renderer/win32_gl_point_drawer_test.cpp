// The batched glow drawer against the display-list drawer, on the real OpenGL
// under Wine: the same simulated frames give the same picture.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"
#include "win32_test_window.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;

std::vector<unsigned char> RenderAndRead(GlowDrawing drawing) {
  RenderFrame(drawing);
  std::vector<unsigned char> pixels(size_t{kWidth} * kHeight * 3);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}
}  // namespace

TEST(GlowDrawing, BatchedFramesAreTheDisplayListFramesUpToRounding) {
  const HWND window = CreateSceneTestWindow(L"GlowDrawingTest", kWidth, kHeight);
  ASSERT_NE(window, nullptr);
  RendererState& state = Renderer();
  state.settings = kFixedRendererSettings;
  InitScene(window);
  ASSERT_NE(state.renderContext, nullptr);

  int worst = 0;
  long differing = 0, lit = 0, compared = 0;
  for (int round = 0; round < 6; ++round) {
    // Let the field spread out a little between compared frames.
    for (int frame = 0; frame < 15; ++frame) DrawFrame();
    const FieldState before = state.field;
    const std::vector<unsigned char> reference = RenderAndRead(GlowDrawing::kOneCallPerGlow);
    state.field = before;  // the same simulated frame again
    const std::vector<unsigned char> batched = RenderAndRead(GlowDrawing::kBatched);
    PresentFrame();

    for (size_t i = 0; i < reference.size(); ++i) {
      const int difference = std::abs(reference[i] - batched[i]);
      worst = std::max(worst, difference);
      differing += difference > 1;
      lit += reference[i] > 8;
    }
    compared += static_cast<long>(reference.size());
  }
  std::printf(
      "glow drawing: %ld of %ld channel values lit, %ld differ by more than 1, at most by %d\n",
      lit, compared, differing, worst);
  EXPECT_GT(lit, compared / 200) << "the frames show glows";
  EXPECT_LE(worst, 4) << differing << " of " << compared << " differ by more than 1";
  EXPECT_LT(differing, compared / 10000);

  ReleaseScene(window);
  DestroyWindow(window);
}
