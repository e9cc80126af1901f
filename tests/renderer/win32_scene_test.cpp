// The real OpenGL and password paths, under Wine.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "input/win32_password_system.h"
#include "input/win32_window_procs.h"
#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"

namespace {
constexpr int kWidth = 320, kHeight = 240;

HWND CreateTestWindow() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"RendererGlTest";
  RegisterClassW(&windowClass);
  return CreateWindowExW(WS_EX_TOPMOST, L"RendererGlTest", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                         kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
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

TEST(RendererPassword, NtFamilyClosesWithoutAsking) {
  const HWND window = CreateTestWindow();
  EXPECT_FALSE(Win32PasswordSystem(window).IsWindows9xFamily());
  EXPECT_TRUE(VerifyPassword(window));
  EXPECT_FALSE(Renderer().dismissal.passwordDialogActive);
  DestroyWindow(window);
}
