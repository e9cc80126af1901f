// The real OpenGL and password paths, under Wine.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "input/win32_password_system.h"
#include "input/password_check.h"
#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"
#include "win32_test_window.h"

namespace {
constexpr int kWidth = 320, kHeight = 240;

HWND CreateTestWindow(int width = kWidth, int height = kHeight) {
  return CreateSceneTestWindow(L"RendererGlTest", width, height, WS_EX_TOPMOST);
}
}  // namespace

TEST(RendererScene, DrawsColouredGlowsOnBlackInADoubleBufferedRgbaFormat) {
  const HWND window = CreateTestWindow();
  ASSERT_NE(window, nullptr);
  RendererState& state = Renderer();
  InitScene(window);
  ASSERT_NE(state.renderContext, nullptr);

  PIXELFORMATDESCRIPTOR chosen{};
  DescribePixelFormat(state.deviceContext, GetPixelFormat(state.deviceContext), sizeof(chosen),
                      &chosen);
  EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
  EXPECT_TRUE(chosen.dwFlags & PFD_SUPPORT_OPENGL);
  EXPECT_EQ(chosen.iPixelType, PFD_TYPE_RGBA);

  for (int frame = 0; frame < 20; ++frame) DrawFrame();
  RenderFrame();  // read before the swap leaves the back buffer undefined
  std::vector<unsigned char> pixels(kWidth * kHeight * 3);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  int black = 0, coloured = 0;
  for (size_t i = 0; i < pixels.size(); i += 3) {
    const auto [low, high] = std::minmax({pixels[i], pixels[i + 1], pixels[i + 2]});
    black += high == 0;
    coloured += high - low > 40;
  }
  EXPECT_GT(black, kWidth * kHeight / 2);
  EXPECT_GT(coloured, 20);

  ReleaseScene(window);
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  EXPECT_TRUE(state.field.swarms.empty());
  DestroyWindow(window);
}

TEST(RendererScene, ProjectionCoversTheWholeScreenAtItsAspectRatio) {
  const HWND window = CreateTestWindow(1280, 1024);
  ASSERT_NE(window, nullptr);
  InitScene(window);
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 0);
  EXPECT_EQ(viewport[2], 1280);
  EXPECT_EQ(viewport[3], 1024);
  // A perspective matrix holds f / aspect and f on its diagonal, f being the
  // cotangent of half the 100-degree field of view; the eye sits 2.5 out.
  GLdouble projection[16] = {};
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  EXPECT_NEAR(projection[5] / projection[0], 1.25, 1e-6);  // held as floats
  EXPECT_NEAR(projection[5], 1.0 / std::tan(50.0 * 3.14159265358979 / 180), 1e-6);
  ReleaseScene(window);
  DestroyWindow(window);
}

TEST(RendererPassword, NtFamilyClosesWithoutAsking) {
  const HWND window = CreateTestWindow();
  Win32PasswordSystem password(window);
  EXPECT_FALSE(password.IsWindows9xFamily());
  EXPECT_TRUE(VerifyPassword(Renderer().dismissal, password));
  EXPECT_FALSE(Renderer().dismissal.passwordDialogActive);
  DestroyWindow(window);
}
