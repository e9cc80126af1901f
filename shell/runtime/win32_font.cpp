#include "win32_font.h"

#include <cmath>
#include <utility>
#include <vector>

namespace zelvane::rt {

HFONT FontHandle(const FontSpec& font) {
  static std::vector<std::pair<FontSpec, HFONT>> fonts;
  for (const auto& [spec, handle] : fonts) {
    if (spec == font) return handle;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  // A negative height asks for the character height, as point sizes mean.
  const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
  HFONT handle =
      CreateFontW(height, 0, 0, 0, font.weight, font.italic, font.underline, font.strikeout,
                  static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts.emplace_back(font, handle);
  return handle;
}

COLORREF PlatformColour(std::uint32_t colour) {
  if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
  return colour & 0xFFFFFF;
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, std::uint32_t colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, PlatformColour(colour));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace zelvane::rt
