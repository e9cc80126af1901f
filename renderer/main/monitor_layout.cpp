// The saver's layout on the monitors (monitor_layout.h); the windows are placed
// by win32_saver_layout.cpp.
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

bool ScreenRect::Overlaps(const ScreenRect& other) const {
  return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

SaverLayout LayOutSaver(std::span<const Monitor> monitors, bool primaryOnly) {
  SaverLayout layout;
  if (monitors.empty()) return layout;
  const auto primary = std::ranges::find_if(monitors, &Monitor::primary);
  const Monitor& first = primary != monitors.end() ? *primary : monitors.front();
  layout.fields.push_back(first.area);
  layout.primaryRefreshRate = first.refreshRate;
  std::vector<ScreenRect> areas;
  for (const Monitor& monitor : monitors) {
    areas.push_back(monitor.area);
    if (primaryOnly || monitor.area.Empty()) continue;
    if (std::ranges::none_of(
            layout.fields, [&](const ScreenRect& field) { return field.Overlaps(monitor.area); })) {
      layout.fields.push_back(monitor.area);
    }
  }
  layout.covers = CoverAreas(layout.fields, areas);
  return layout;
}

std::vector<ScreenRect> CoverAreas(std::span<const ScreenRect> fields,
                                   std::span<const ScreenRect> monitors) {
  std::vector<ScreenRect> parts;
  for (const ScreenRect& monitor : monitors) {
    if (!monitor.Empty()) parts.push_back(monitor);
  }
  for (const ScreenRect& field : fields) {
    std::vector<ScreenRect> outside;
    for (const ScreenRect& part : parts) AddOutside(part, field, outside);
    parts.swap(outside);
  }
  std::vector<ScreenRect> areas;
  for (const ScreenRect& part : parts) {
    if (std::ranges::find(areas, part) == areas.end()) areas.push_back(part);
  }
  return areas;
}

std::vector<int> MatchFieldWindows(std::span<const ScreenRect> open,
                                   std::span<const ScreenRect> wanted) {
  std::vector<int> match(wanted.size(), -1);
  std::vector<bool> taken(open.size(), false);
  for (size_t i = 0; i < wanted.size(); ++i) {
    for (size_t j = 0; j < open.size(); ++j) {
      if (!taken[j] && open[j] == wanted[i]) {
        match[i] = static_cast<int>(j);
        taken[j] = true;
        break;
      }
    }
  }
  size_t next = 0;
  for (int& window : match) {
    if (window >= 0) continue;
    while (next < open.size() && taken[next]) ++next;
    if (next == open.size()) break;
    window = static_cast<int>(next);
    taken[next] = true;
  }
  return match;
}
