// Where the saver's windows go on the monitors: a field on each monitor (or on
// the primary one only) and black covers over the rest. Platform-neutral; the
// windows are placed by win32_saver_layout.h.
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
  bool Overlaps(const ScreenRect& other) const;
  bool operator==(const ScreenRect&) const = default;
};

// One display monitor as the system reports it.
struct Monitor {
  ScreenRect area;
  bool primary = false;
  int refreshRate = 0;  // hertz; 0 or 1 when the system does not know
};

// The saver's windows for one layout of the monitors.
struct SaverLayout {
  // The fields, the primary monitor's first; empty only when no monitor is
  // known.
  std::vector<ScreenRect> fields;
  // The refresh rate of the primary field's monitor.
  int primaryRefreshRate = 0;
  // The plain black areas: what the fields leave of the monitors.
  std::vector<ScreenRect> covers;
};

// Lays the saver out: a field on the primary monitor (the first one when none
// says it is primary) and, unless primaryOnly, one on every other monitor that
// does not overlap a field already placed (a mirrored monitor shows the field
// of the one it mirrors); covers over everything else.
SaverLayout LayOutSaver(std::span<const Monitor> monitors, bool primaryOnly);

// The areas that the plain black cover windows must fill: every monitor's
// rectangle without the parts the fields' windows cover, so that no cover lies
// over a field where monitors overlap or mirror each other. Each area is
// listed once.
std::vector<ScreenRect> CoverAreas(std::span<const ScreenRect> fields,
                                   std::span<const ScreenRect> monitors);

// Which of the field windows that are open (`open`, the secondary ones: the
// primary field's window always stays) shows each wanted secondary field:
// for each wanted rectangle, the index of an open window, or -1 for a new one.
// A window whose rectangle is wanted again keeps it; the others are given to
// the remaining fields in order, and whatever is left over is closed.
std::vector<int> MatchFieldWindows(std::span<const ScreenRect> open,
                                   std::span<const ScreenRect> wanted);
