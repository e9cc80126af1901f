// Which parts of the monitors the covers must hide. Platform-neutral; the
// cover windows are in win32_cover_windows.h.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A rectangle of the virtual screen in pixels; right and bottom are exclusive.
// The primary monitor's top left corner is the origin, so other monitors may
// lie at negative coordinates.
struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const ScreenRect&) const = default;
};

// The areas that the plain black cover windows must fill: every monitor's
// rectangle without the part the field's window covers, so that no cover lies
// over the field where monitors overlap or mirror the primary one. Each area
// is listed once.
std::vector<ScreenRect> CoverAreas(const ScreenRect& field, std::span<const ScreenRect> monitors);
