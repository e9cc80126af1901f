#include "win32_zoom.h"

#include "startup_state.h"

namespace zelvane::startup {
namespace {

RECT ZoomPoint() {
  return RECT{ZoomX, ZoomY, ZoomX, ZoomY};
}

}  // namespace

void ZoomOpen(HWND hWnd) {
  RECT window;
  if (!GetWindowRect(hWnd, &window)) return;
  const RECT point = ZoomPoint();
  DrawAnimatedRects(hWnd, IDANI_CAPTION, &point, &window);
}

void ZoomClose(HWND hWnd) {
  RECT window;
  if (!GetWindowRect(hWnd, &window)) return;
  const RECT point = ZoomPoint();
  DrawAnimatedRects(hWnd, IDANI_CAPTION, &window, &point);
}

}  // namespace zelvane::startup
