// The shell's own skinned push button, "Zelvane.Command": a user control whose
// face is a vertical gradient framed by a ring cut from one of six skin images,
// with a centred caption. What it does follows command_behaviour.h; the face's
// measures come from command_face.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "command_behaviour.h"
#include "command_face.h"
#include "runtime/win32_label.h"
#include "runtime/win32_picture.h"
#include "runtime/win32_timer.h"
#include "runtime/win32_user_control.h"

namespace zelvane::controls {

class Command : public rt::UserControl, private controls::CommandParts {
 public:
  // With a bag the button reads its stored properties ("Enabled", "Caption",
  // "Font", "FirstRun", "FontColour", "Visible") when it is created.
  Command(rt::Container& container, rt::Bounds bounds, std::optional<rt::PropertyBag> bag = {});
  ~Command() override;

  std::wstring Caption() const;
  void SetCaption(std::wstring_view New_Caption);
  // Whether the button takes input. A disabled button shows the Disable face
  // and ignores the mouse, but its window stays enabled and still takes the
  // focus. Reading Enabled repaints the face (Normal or Disable).
  bool Enabled();
  void SetEnabled(bool New_Enabled);
  rt::FontSpec Font() const;
  void SetFont(const rt::FontSpec& New_Font);
  rt::Colour FontColour();
  void SetFontColour(rt::Colour New_FontColour);
  // The face's opacity, not whether the button is shown: 0 shows only the
  // caption on the container; 255 when the face is shown.
  std::uint8_t Visible();
  void SetVisible(std::uint8_t New_Visible);

  // State 1 and the 100 ms pointer watch; the container calls it after loading.
  void Initialize();

  // Raised on a mouse release, as the button's state rules allow.
  std::function<void()> Click;

  // For tests: the state and members behind the face.
  const controls::CommandBehaviour& Behaviour() const { return behaviour_; }

 protected:
  void UserControl_ReadProperties(rt::PropertyBag& bag) override;
  void UserControl_WriteProperties(rt::PropertyBag& bag) override;
  void UserControl_Resize() override;
  void UserControl_GotFocus() override;
  void UserControl_LostFocus() override;
  void UserControl_MouseDown(const rt::MouseEvent& event) override;
  void UserControl_MouseMove(const rt::MouseEvent& event) override;
  void UserControl_MouseUp(const rt::MouseEvent& event) override;

 private:
  // CommandParts.
  void PaintFace(controls::Skin skin, bool gradientInverted) override;
  std::wstring CaptionText() const override;
  void SetCaptionText(std::wstring_view text) override;
  rt::FontSpec CaptionFont() const override;
  void SetCaptionFont(const rt::FontSpec& font) override;
  rt::Colour CaptionColour() const override;
  void SetCaptionColour(rt::Colour colour) override;
  void SetCaptionEnabled(bool enabled) override;
  bool Opaque() const override;
  void SetOpaque(bool opaque) override;
  rt::FontSpec ContainerFont() const override;
  void StartPointerWatch(unsigned intervalMs) override;
  void NotifyChanged(std::wstring_view property) override;
  void RaiseClick() override;

  void PaintGradient(bool inverted);
  void TmrMouse_Timer();

  controls::CommandBehaviour behaviour_{*this};
  controls::RingGeometry geometry_;

  rt::Label LblMsg;
  rt::Timer TmrMouse{*this, controls::kPointerWatchMs, false};
  // The skin images, in the order of controls::Skin.
  std::array<rt::Picture, controls::kSkinCount> skins_;
};

}  // namespace zelvane::controls
