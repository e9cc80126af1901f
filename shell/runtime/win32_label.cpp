#include "win32_label.h"

#include "win32_container.h"
#include "win32_font.h"

namespace zelvane::rt {

Label::Label(Container& container, Bounds bounds, std::wstring caption)
    : WindowlessControl(container, bounds), caption_(std::move(caption)), font_(container.Font()) {}

void Label::SetCaption(std::wstring_view caption) {
  caption_ = std::wstring(caption);
  InvalidateArea();
}

void Label::SetFont(const FontSpec& font) {
  font_ = font;
  InvalidateArea();
}

void Label::SetForeColour(Colour colour) {
  fore_ = colour;
  InvalidateArea();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  InvalidateArea();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  InvalidateArea();
}

void Label::SetBackColour(Colour colour) {
  back_ = colour;
  InvalidateArea();
}

void Label::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  InvalidateArea();
}

void Label::Paint(HDC dc) const {
  RECT rect = PixelRect();
  if (!transparent_) {
    HBRUSH brush = CreateSolidBrush(PlatformColour(back_));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  HGDIOBJ oldFont = SelectObject(dc, FontHandle(font_));
  SetBkMode(dc, TRANSPARENT);
  // File paths may hold '&', which must show as it is.
  UINT format =
      DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_NOCLIP);
  format |= alignment_ == Alignment::kCentre  ? DT_CENTER
            : alignment_ == Alignment::kRight ? DT_RIGHT
                                              : DT_LEFT;
  const int length = static_cast<int>(caption_.size());
  if (Enabled()) {
    SetTextColor(dc, PlatformColour(fore_));
    DrawTextW(dc, caption_.c_str(), length, &rect, format);
  } else {
    // The platform's disabled-text look: grey, embossed with a light shadow.
    RECT shadow = rect;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, caption_.c_str(), length, &shadow, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, caption_.c_str(), length, &rect, format);
  }
  SelectObject(dc, oldFont);
}

}  // namespace zelvane::rt
