// The shell's own skinned push button, "Zelvane.Command": a user control whose
// face is a vertical gradient framed by a ring cut from one of six skin images,
// with a centred caption. Its visual states follow button_states.h; its face is
// drawn by win32_command_painter.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/win32_user_control.h"

namespace zelvane {

class Command : public rt::UserControl {
 public:
  // With a bag the button reads its stored properties ("Enabled", "Caption",
  // "Font", "FirstRun", "FontColour", "Visible") when it is created.
  Command(rt::Container& container, rt::Bounds bounds, std::optional<rt::PropertyBag> bag = {});
  ~Command() override;

  std::wstring Caption() const;
  void SetCaption(std::wstring_view New_Caption);
  // Reading Enabled repaints the face (Normal or Disable), as the button does.
  bool Enabled();
  void SetEnabled(bool New_Enabled);
  rt::FontSpec Font() const;
  void SetFont(const rt::FontSpec& New_Font);
  rt::Colour FontColour();
  void SetFontColour(rt::Colour New_FontColour);
  std::uint8_t Visible();
  void SetVisible(std::uint8_t New_Visible);

  // State 1 and the 100 ms pointer watch; the container calls it after loading.
  void Initialize();

  // Raised on a mouse release, as the button's state rules allow.
  std::function<void()> Click;
};

}  // namespace zelvane
