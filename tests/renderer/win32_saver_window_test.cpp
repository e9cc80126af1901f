// The renderer's window start-up, under Wine.
#include "main/win32_saver_window.h"

#include <gtest/gtest.h>

#include "main/saver_identity.h"
#include "main/win32_renderer_state.h"

TEST(RendererStart, ASaverStillTitledScreensaverIsBroughtForwardInsteadOfASecondOne) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kSaverClassName;
  ASSERT_NE(RegisterClassW(&windowClass), 0);
  const HWND other = CreateWindowExW(0, kSaverClassName, kCreationTitle, WS_POPUP | WS_VISIBLE, 0,
                                     0, 50, 50, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(other, nullptr);

  Renderer().instance = windowClass.hInstance;
  // Should a saver window be made after all, its message loop ends at once.
  PostQuitMessage(0);
  EXPECT_EQ(RunSaverWindow(), 0);
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  EXPECT_EQ(Renderer().window, nullptr);
  EXPECT_EQ(FindWindowW(nullptr, kRunningTitle), nullptr);
  EXPECT_EQ(FindWindowW(kSaverClassName, kCreationTitle), other);
  DestroyWindow(other);
}
