// The areas the covers must hide (monitor_layout.h); the cover windows are in
// win32_cover_windows.cpp.
#include "main/monitor_layout.h"

#include <algorithm>

namespace {
// Up to four bands of `area` outside `hole`: above, below, and left and right
// of it between those.
void AddOutside(const ScreenRect& area, const ScreenRect& hole, std::vector<ScreenRect>& out) {
  const ScreenRect overlap{std::max(area.left, hole.left), std::max(area.top, hole.top),
                           std::min(area.right, hole.right), std::min(area.bottom, hole.bottom)};
  if (overlap.Empty()) {
    out.push_back(area);
    return;
  }
  const ScreenRect bands[] = {
      {area.left, area.top, area.right, overlap.top},
      {area.left, overlap.bottom, area.right, area.bottom},
      {area.left, overlap.top, overlap.left, overlap.bottom},
      {overlap.right, overlap.top, area.right, overlap.bottom},
  };
  for (const ScreenRect& band : bands) {
    if (!band.Empty()) out.push_back(band);
  }
}
}  // namespace

std::vector<ScreenRect> CoverAreas(const ScreenRect& field, std::span<const ScreenRect> monitors) {
  std::vector<ScreenRect> parts;
  for (const ScreenRect& monitor : monitors) {
    if (!monitor.Empty()) AddOutside(monitor, field, parts);
  }
  std::vector<ScreenRect> areas;
  for (const ScreenRect& part : parts) {
    if (std::find(areas.begin(), areas.end(), part) == areas.end()) areas.push_back(part);
  }
  return areas;
}
