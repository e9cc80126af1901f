// Placing the saver's windows (win32_saver_layout.h); the layout itself is
// decided in monitor_layout.cpp.
#include "main/win32_saver_layout.h"

#include <windows.h>

#include "main/win32_cover_windows.h"
#include "main/win32_renderer_state.h"

namespace {
ScreenRect WindowArea(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// The window's scene follows its new size through WM_SIZE.
void Place(HWND window, const ScreenRect& area) {
  SetWindowPos(window, HWND_TOPMOST, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
}

void PlaceOtherFields(std::span<const ScreenRect> wanted) {
  RendererState& state = Renderer();
  std::vector<ScreenRect> open;
  for (const auto& scene : state.otherFields) open.push_back(WindowArea(scene->Window()));
  const std::vector<int> match = MatchFieldWindows(open, wanted);
  std::vector<std::unique_ptr<Scene>> placed;
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (match[i] >= 0) {
      placed.push_back(std::move(state.otherFields[static_cast<size_t>(match[i])]));
      Place(placed.back()->Window(), wanted[i]);
      continue;
    }
    auto scene = std::make_unique<Scene>();
    if (OpenFieldWindow(state.window, wanted[i], *scene, state.nextSeed++)) {
      placed.push_back(std::move(scene));
    }
  }
  // The windows no field is left for; each closes its scene as it goes.
  for (const auto& scene : state.otherFields) {
    if (scene != nullptr) DestroyWindow(scene->Window());
  }
  state.otherFields = std::move(placed);
}

// Only the primary field's swap may wait: several swaps waiting in one frame
// would each wait for a refresh of their own.
void SetPacing(int primaryRefreshRate) {
  RendererState& state = Renderer();
  const std::optional<int> interval = SwapPacingInterval(primaryRefreshRate);
  state.swapPaces = state.scene.SetSwapInterval(interval.value_or(1)) && interval.has_value();
  for (const auto& scene : state.otherFields) scene->SetSwapInterval(0);
  state.pacer = FramePacer(state.swapPaces);
}
}  // namespace

void LayOutSaverWindows() {
  RendererState& state = Renderer();
  state.layoutPending = false;
  const std::vector<Monitor> monitors =
      state.readMonitors != nullptr ? state.readMonitors() : ReadSystemMonitors();
  const SaverLayout layout = LayOutSaver(monitors, state.primaryOnly);
  // The old covers go first: a field may now lie where one was.
  for (const HWND cover : state.covers) DestroyWindow(cover);
  state.covers.clear();
  if (!layout.fields.empty()) {
    Place(state.window, layout.fields.front());
    PlaceOtherFields(std::span(layout.fields).subspan(1));
  }
  state.covers = OpenCoverWindows(state.window, layout.covers);
  SetPacing(layout.primaryRefreshRate);
}
