// The renderer's window start-up, under Wine.
#include "main/win32_saver_window.h"

#include <gtest/gtest.h>

#include "main/saver_identity.h"
#include "main/win32_renderer_state.h"
#include "win32_test_window.h"

TEST(RendererStart, ASaverStillTitledScreensaverIsBroughtForwardInsteadOfASecondOne) {
  const HWND other = CreateSceneTestWindow(kSaverClassName, 50, 50);
  ASSERT_NE(other, nullptr);
  SetWindowTextW(other, kCreationTitle);
  Renderer().instance = GetModuleHandleW(nullptr);
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
