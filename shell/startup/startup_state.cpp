#include "startup_state.h"

namespace Zelvane_B {

std::int32_t CursorCount = 0;
std::int16_t ZoomX = 0;
std::int16_t ZoomY = 0;

}  // namespace Zelvane_B
