// The saver's windows over made-up monitors, laid out again when they change,
// under Wine. The rest while the displays are off, and the one window titled
// for the saver shell, are checked end to end.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "main/saver_identity.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"

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
    wglMakeCurrent(scene.DeviceContext(), scene.RenderContext());
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array{0, 0, area.right - area.left, area.bottom - area.top})) << i;
  }
}

}  // namespace

TEST(SaverLayout, EveryMonitorItsOwnFieldFollowingTheMonitorsAsTheyChange) {
  RendererState& state = Renderer();
  constexpr ScreenRect kLeftAbove{-320, -240, 0, 0}, kRight{640, 0, 1040, 300};
  state.instance = GetModuleHandleW(nullptr);
  state.readMonitors = MadeUpMonitors;
  madeUpMonitors = {{kRight, false, 75}, {{0, 0, 640, 480}, true, 60}, {kLeftAbove, false, 144}};
  ASSERT_TRUE(OpenSaverWindows());
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

  // Closing takes the covers with it; the quit message it posts is pumped away.
  const HWND cover = state.covers[0];
  DestroyWindow(state.window);
  PumpMessages();
  EXPECT_FALSE(state.running);
  EXPECT_FALSE(IsWindow(cover));
  UnregisterClassW(kSaverClassName, state.instance);
  state.readMonitors = nullptr;
  state.primaryOnly = false;
}
