// The real OpenGL and password paths, under Wine.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cmath>

#include "input/win32_password_system.h"
#include "input/password_check.h"
#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"
#include "win32_test_window.h"

// The picture itself, coloured glows on black, is checked end to end.
TEST(RendererScene, ADoubleBufferedRgbaFormatAndTheWholeScreenAtItsAspectRatio) {
  const HWND window = CreateSceneTestWindow(L"RendererGlTest", 1280, 1024, WS_EX_TOPMOST);
  ASSERT_NE(window, nullptr);
  Scene scene;
  scene.Open(window, 1, kFixedRendererSettings);
  ASSERT_NE(scene.RenderContext(), nullptr);
  PIXELFORMATDESCRIPTOR chosen{};
  DescribePixelFormat(scene.DeviceContext(), GetPixelFormat(scene.DeviceContext()), sizeof(chosen),
                      &chosen);
  EXPECT_EQ(chosen.dwFlags & (PFD_DOUBLEBUFFER | PFD_SUPPORT_OPENGL),
            static_cast<DWORD>(PFD_DOUBLEBUFFER | PFD_SUPPORT_OPENGL));
  EXPECT_EQ(chosen.iPixelType, PFD_TYPE_RGBA);

  // A perspective matrix holds f / aspect and f on its diagonal, f being the
  // cotangent of half the 100-degree field of view.
  GLdouble projection[16] = {};
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  EXPECT_NEAR(projection[5] / projection[0], 1.25, 1e-6);  // held as floats
  EXPECT_NEAR(projection[5], 1.0 / std::tan(50.0 * 3.14159265358979 / 180), 1e-6);

  scene.Close();  // frames are drawn and shown with the glow drawing
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  EXPECT_TRUE(scene.Field().swarms.empty());
  DestroyWindow(window);
}

TEST(RendererPassword, NtFamilyClosesWithoutAsking) {
  const HWND window = CreateSceneTestWindow(L"RendererGlTest", 320, 240);
  Win32PasswordSystem password(window);
  EXPECT_FALSE(password.IsWindows9xFamily());
  EXPECT_TRUE(VerifyPassword(Renderer().dismissal, password));
  EXPECT_FALSE(Renderer().dismissal.passwordDialogActive);
  DestroyWindow(window);
}
