// The saver's windows over made-up monitors, laid out again when they change,
// and its rest while the displays are off, in one process under Wine.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "main/saver_identity.h"
#include "main/win32_frame_loop.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"
#include "../common/win32_power_setting_notice.h"

namespace {
std::vector<Monitor> madeUpMonitors;
std::vector<Monitor> MadeUpMonitors() {
  return madeUpMonitors;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

ScreenRect AreaOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

std::array<GLint, 4> ViewportOf(Scene& scene) {
  wglMakeCurrent(scene.DeviceContext(), scene.RenderContext());
  std::array<GLint, 4> viewport{};
  glGetIntegerv(GL_VIEWPORT, viewport.data());
  return viewport;
}

// The fields' windows, the primary one's first, lie over their areas, the
// others owned by the primary one, and each viewport fills its window.
void ExpectFields(const std::vector<ScreenRect>& areas) {
  RendererState& state = Renderer();
  ASSERT_EQ(state.otherFields.size() + 1, areas.size());
  for (size_t i = 0; i < areas.size(); ++i) {
    Scene& scene = i == 0 ? state.scene : *state.otherFields[i - 1];
    const ScreenRect& area = areas[i];
    EXPECT_EQ(AreaOf(scene.Window()), area) << i;
    EXPECT_EQ(GetWindow(scene.Window(), GW_OWNER), i == 0 ? nullptr : state.window) << i;
    EXPECT_EQ(ViewportOf(scene), (std::array{0, 0, area.right - area.left, area.bottom - area.top}))
        << i;
  }
}

bool OpenSaverOn(std::vector<Monitor> monitors) {
  Renderer().instance = GetModuleHandleW(nullptr);
  Renderer().readMonitors = MadeUpMonitors;
  madeUpMonitors = std::move(monitors);
  return OpenSaverWindows();
}

// Closes the saver and takes the quit message its closing posted.
void CloseSaver() {
  DestroyWindow(Renderer().window);
  PumpMessages();
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  UnregisterClassW(kSaverClassName, Renderer().instance);
  Renderer().readMonitors = nullptr;
  Renderer().primaryOnly = false;
}
}  // namespace

TEST(SaverLayout, EveryMonitorItsOwnFieldFollowingTheMonitorsAsTheyChange) {
  RendererState& state = Renderer();
  constexpr ScreenRect kLeftAbove{-320, -240, 0, 0}, kRight{640, 0, 1040, 300};
  ASSERT_TRUE(
      OpenSaverOn({{kRight, false, 75}, {{0, 0, 640, 480}, true, 60}, {kLeftAbove, false, 144}}));
  wchar_t title[32] = {};
  GetWindowTextW(state.window, title, 32);
  EXPECT_STREQ(title, kRunningTitle) << "the identity stays with the primary field";
  ExpectFields({{0, 0, 640, 480}, kRight, kLeftAbove});
  EXPECT_TRUE(state.covers.empty());
  const Scene* const kept = state.otherFields[1].get();

  // One monitor goes, the primary one grows, one comes; the run goes on.
  constexpr ScreenRect kBelow{0, 600, 800, 900};
  madeUpMonitors = {{{0, 0, 800, 600}, true, 60}, {kLeftAbove}, {kBelow}};
  SendMessageW(state.window, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
  PumpMessages();
  ExpectFields({{0, 0, 800, 600}, kLeftAbove, kBelow});
  EXPECT_EQ(state.otherFields[0].get(), kept) << "the field of a monitor still there";
  EXPECT_TRUE(IdleFrame());
  EXPECT_FALSE(state.dismissal.closeArmed);

  // The primary field alone: the others black, a scale change lays out too.
  state.primaryOnly = true;
  SendMessageW(state.otherFields[0]->Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
  PumpMessages();
  ExpectFields({{0, 0, 800, 600}});
  ASSERT_EQ(state.covers.size(), 2u);
  EXPECT_EQ(AreaOf(state.covers[0]), kLeftAbove);
  EXPECT_EQ(AreaOf(state.covers[1]), kBelow);

  const HWND cover = state.covers[0];
  CloseSaver();
  EXPECT_FALSE(state.running);
  EXPECT_FALSE(IsWindow(cover));
}

// The power notification says the display is off, then on: frames stop while
// it is off and go on from where they stopped after.
TEST(SaverLayout, NoFramesWhileTheDisplayIsOffAndTheFieldGoesOnAfter) {
  ASSERT_TRUE(OpenSaverOn({{{0, 0, 320, 240}, true, 60}}));

  // The view's angle at each 100 ms tick: off at the 3rd, on at the 7th, the
  // end at the 10th.
  static std::vector<float> angles;
  const TIMERPROC tick = [](HWND, UINT, UINT_PTR, DWORD) {
    angles.push_back(Renderer().scene.Field().viewAngle);
    if (angles.size() == 3) zelvane::SendConsoleDisplayState(Renderer().window, 0);
    if (angles.size() == 7) zelvane::SendConsoleDisplayState(Renderer().window, 1);
    if (angles.size() == 10) PostQuitMessage(0);
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, tick);
  EXPECT_EQ(RunFrameLoop(&Renderer().pacer, IdleFrame, SaverResting), 0);
  KillTimer(nullptr, timer);
  ASSERT_EQ(angles.size(), 10u);
  EXPECT_NE(angles[0], angles[2]) << "frames before";
  EXPECT_EQ(angles[2], angles[6]) << "none while off";
  EXPECT_NE(angles[6], angles[9]) << "frames after";
  CloseSaver();
}
