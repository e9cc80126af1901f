// The real OpenGL and password paths, under Wine.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/win32_password_system.h"
#include "input/win32_window_procs.h"
#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 240;

HWND CreateTestWindow() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"RendererGlTest";
  RegisterClassW(&windowClass);
  return CreateWindowExW(WS_EX_TOPMOST, L"RendererGlTest", L"RendererGlTest", WS_POPUP | WS_VISIBLE,
                         0, 0, kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// Forwards to the real password system and logs what was asked of it.
struct LoggingPasswordSystem final : ScreenSaverPasswordSystem {
  explicit LoggingPasswordSystem(HWND window) : real(window) {}
  bool IsWindows9xFamily() override {
    calls.push_back("family");
    return real.IsWindows9xFamily();
  }
  bool LoadVerifier() override {
    calls.push_back("load");
    return real.LoadVerifier();
  }
  bool RunVerifier() override {
    calls.push_back("verify");
    return real.RunVerifier();
  }
  void UnloadVerifier() override { real.UnloadVerifier(); }
  void SetScreenSaverRunning(bool running) override {
    calls.push_back("running");
    real.SetScreenSaverRunning(running);
  }
  Win32PasswordSystem real;
  std::vector<std::string> calls;
};
}  // namespace

TEST(RendererScene, DrawsColouredGlowsOnBlack) {
  const HWND window = CreateTestWindow();
  ASSERT_NE(window, nullptr);
  PumpMessages();
  RendererState& state = Renderer();
  state.settings = kFixedRendererSettings;
  InitScene(window);
  ASSERT_NE(state.renderContext, nullptr);
  EXPECT_EQ(state.field.swarms.size(), 2u);

  PIXELFORMATDESCRIPTOR chosen{};
  const int format = GetPixelFormat(state.deviceContext);
  ASSERT_GT(format, 0);
  DescribePixelFormat(state.deviceContext, format, sizeof(chosen), &chosen);
  EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
  EXPECT_TRUE(chosen.dwFlags & PFD_SUPPORT_OPENGL);
  EXPECT_TRUE(chosen.dwFlags & PFD_DRAW_TO_WINDOW);
  EXPECT_EQ(chosen.iPixelType, PFD_TYPE_RGBA);

  for (int frame = 0; frame < 20; ++frame) {
    DrawFrame();
    PumpMessages();
  }
  RenderFrame();
  EXPECT_FLOAT_EQ(state.field.viewAngle, 10.5f);

  std::vector<unsigned char> pixels(kWidth * kHeight * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  int black = 0, lit = 0, coloured = 0;
  for (size_t i = 0; i < pixels.size(); i += 3) {
    const int r = pixels[i], g = pixels[i + 1], b = pixels[i + 2];
    if (r + g + b == 0) ++black;
    if (r + g + b > 60) ++lit;
    if (std::max({r, g, b}) - std::min({r, g, b}) > 40) ++coloured;
  }
  const int total = kWidth * kHeight;
  PresentFrame();
  EXPECT_GT(black, total / 2) << "background";
  EXPECT_GT(lit, 50) << "glows";
  EXPECT_GT(coloured, 20) << "not only grey";

  ReleaseScene(window);
  EXPECT_EQ(state.renderContext, nullptr);
  EXPECT_EQ(state.deviceContext, nullptr);
  EXPECT_TRUE(state.field.swarms.empty());
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  DestroyWindow(window);
}

TEST(RendererPassword, NtFamilyClosesWithoutAsking) {
  const HWND window = CreateTestWindow();
  LoggingPasswordSystem system(window);
  DismissalState state;
  EXPECT_TRUE(VerifyPassword(state, system));
  EXPECT_EQ(system.calls, std::vector<std::string>{"family"});

  EXPECT_TRUE(VerifyPassword(window));
  EXPECT_FALSE(Renderer().dismissal.passwordDialogActive);
  DestroyWindow(window);
}
