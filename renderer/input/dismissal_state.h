// What the dismissal rules remember between messages. Platform-neutral; the
// rules are in dismissal.h.
#pragma once

#include <cstdint>

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
};

struct DismissalState {
  bool closeArmed = false;     // set by user input; a close request is ignored until then
  bool firstMoveSeen = false;  // the first mouse move comes from showing the window
  bool passwordDialogActive = false;
  ScreenPoint savedCursor;  // where the mouse distance is measured from
};
