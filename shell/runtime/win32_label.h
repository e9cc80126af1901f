// A label: text drawn by its container, on a transparent or opaque background,
// wrapped at word breaks within the label's width.
#pragma once

#include <string>
#include <string_view>

#include "colour.h"
#include "font_spec.h"
#include "win32_control.h"

namespace zelvane::rt {

enum class Alignment { kLeft, kRight, kCentre };

class Label : public WindowlessControl {
 public:
  // The font starts as the container's.
  Label(Container& container, Bounds bounds, std::wstring caption = {});

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring_view caption);
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour colour);
  void SetAlignment(Alignment alignment);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour colour);
  // Without word wrap the caption stays on one line and may run past the
  // label's right edge: a one-line label whose font is a little wider than
  // the one it was laid out for keeps all its words.
  void SetWordWrap(bool wrap);

  void Paint(HDC dc) const override;

 private:
  std::wstring caption_;
  FontSpec font_;
  Colour fore_ = kBlack;
  Colour back_ = 0x8000000F;
  Alignment alignment_ = Alignment::kLeft;
  bool transparent_ = true;
  bool wordWrap_ = true;
};

}  // namespace zelvane::rt
