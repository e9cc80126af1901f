#include "startup_state.h"

namespace zelvane::startup {

std::int32_t CursorCount = 0;
std::int16_t ZoomX = 0;
std::int16_t ZoomY = 0;

}  // namespace zelvane::startup
