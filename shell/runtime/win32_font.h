// Platform fonts for font descriptions (each description is created once and
// kept for the life of the program) and platform colours.
#pragma once

#include <windows.h>

#include "font_spec.h"

namespace zelvane::rt {

HFONT FontHandle(const FontSpec& font);

// The platform colour for a colour value; values with the top bit set name a
// system colour (0x8000000F is the face colour of buttons and dialogs).
COLORREF PlatformColour(std::uint32_t colour);

// A one-pixel solid line in that colour, in device pixels.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, std::uint32_t colour);

}  // namespace zelvane::rt
