// The shell's start-up procedure and the start-up state that other parts of
// the shell share.
#pragma once

#include <cstdint>

#include "startup_mode.h"

namespace zelvane::startup {

// The cursor display count that ShowCursor returned when Main hid the cursor
// for a saver run; the saver host hands it back when the run ends.
extern std::int32_t CursorCount;

// The system's cursor: each call to ShowCursor leaves its count in CursorCount.
CursorDisplay& SystemCursor();

// The screen point, in pixels, from which ZoomOpen grows a window and to which
// ZoomClose shrinks it.
extern std::int16_t ZoomX;
extern std::int16_t ZoomY;

// Runs once when the platform starts the shell: refuses to run beside an open
// saver or settings dialog, then serves the mode the command line asks for.
void Main();

}  // namespace zelvane::startup
