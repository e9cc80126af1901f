#include "command_behaviour.h"

#include "runtime/errors_suppressed.h"

namespace zelvane::controls {
namespace {

using rt::Attempt;

// The stored forms of the defaults.
const rt::PropertyValue kStoredTrue = std::int64_t{rt::kTrue};
const rt::PropertyValue kOneText = std::wstring(L"1");
const rt::PropertyValue kZeroText = std::wstring(L"0");

// Background styles as the bag stores them.
constexpr std::int16_t kTransparentStyle = 0;
constexpr std::int16_t kOpaqueStyle = 1;
// What Visible reads while the face is shown.
constexpr std::uint8_t kVisibleOpaque = 255;

rt::Flag ToBoolean(const rt::PropertyValue& value) {
  return rt::ToFlag(rt::ToWholeNumber(value) != 0);
}

// Only the two background styles exist; anything else is refused.
bool OpaqueFromStyle(std::int16_t style) {
  if (style != kTransparentStyle && style != kOpaqueStyle) {
    throw rt::RuntimeError("background style out of range");
  }
  return style == kOpaqueStyle;
}

}  // namespace

std::wstring CommandBehaviour::Caption() const {
  std::wstring caption;
  Attempt([&] { caption = parts_.CaptionText(); });
  return caption;
}

void CommandBehaviour::SetCaption(std::wstring_view New_Caption) {
  Attempt([&] { parts_.SetCaptionText(New_Caption); });
  Attempt([&] { parts_.NotifyChanged(kCaptionKey); });
}

rt::Flag CommandBehaviour::Enabled() {
  // A new button, never loaded from a bag, becomes enabled when first asked.
  if (firstRun_ == 0) {
    RefreshCaption();
    firstRun_ = 1;
    enabledFlag_ = rt::kTrue;
  }
  const rt::Flag result = enabledFlag_;
  RefreshEnabled();
  return result;
}

void CommandBehaviour::SetEnabled(rt::Flag New_Enabled) {
  enabledFlag_ = New_Enabled;
  Attempt([&] { parts_.NotifyChanged(kEnabledKey); });
  RefreshEnabled();
}

rt::FontSpec CommandBehaviour::Font() const {
  rt::FontSpec font;
  Attempt([&] { font = parts_.CaptionFont(); });
  return font;
}

void CommandBehaviour::SetFont(const rt::FontSpec& New_Font) {
  Attempt([&] { parts_.SetCaptionFont(New_Font); });
  Attempt([&] { parts_.NotifyChanged(kFontKey); });
}

rt::Colour CommandBehaviour::FontColour() {
  rt::Colour colour = rt::kBlack;
  // A colour that cannot be read still refreshes the face, and reads as black.
  if (!Attempt([&] { colour = parts_.CaptionColour(); })) {
    RefreshCaption();
    return rt::kBlack;
  }
  RefreshCaption();
  return colour;
}

void CommandBehaviour::SetFontColour(rt::Colour New_FontColour) {
  // A colour that cannot be set is not announced as changed.
  if (!Attempt([&] { parts_.SetCaptionColour(New_FontColour); })) {
    RefreshCaption();
    return;
  }
  RefreshCaption();
  Attempt([&] { parts_.NotifyChanged(kFontColourKey); });
}

std::uint8_t CommandBehaviour::Visible() {
  bool opaque = false;
  Attempt([&] { opaque = parts_.Opaque(); });
  if (!opaque) return 0;
  RefreshCaption();
  return kVisibleOpaque;
}

void CommandBehaviour::SetVisible(std::uint8_t New_Visible) {
  if (New_Visible == 0) {
    Attempt([&] { parts_.SetOpaque(false); });
  } else {
    Attempt([&] { parts_.SetOpaque(true); });
    RefreshCaption();
  }
  Attempt([&] { parts_.NotifyChanged(kVisibleKey); });
}

void CommandBehaviour::Initialize() {
  buttonState_ = kStateNormal;
  Attempt([&] { parts_.StartPointerWatch(kPointerWatchMs); });
}

void CommandBehaviour::ReadProperties(const rt::PropertyBag& bag) {
  Attempt([&] { enabledFlag_ = ToBoolean(bag.ReadProperty(kEnabledKey, kStoredTrue)); });
  Attempt([&] {
    parts_.SetCaptionText(
        rt::ToText(bag.ReadProperty(kCaptionKey, std::wstring(kCaptionReadDefault))));
  });
  Attempt([&] {
    parts_.SetCaptionFont(rt::ToFont(bag.ReadProperty(kFontKey, parts_.ContainerFont())));
  });
  Attempt(
      [&] { firstRun_ = rt::ToInteger<std::uint8_t>(bag.ReadProperty(kFirstRunKey, kOneText)); });
  Attempt([&] {
    // Stored as a signed 32-bit value, so system colours (high bit set) read back.
    parts_.SetCaptionColour(static_cast<rt::Colour>(
        rt::ToInteger<std::int32_t>(bag.ReadProperty(kFontColourKey, kZeroText))));
  });
  Attempt([&] {
    parts_.SetOpaque(
        OpaqueFromStyle(rt::ToInteger<std::int16_t>(bag.ReadProperty(kVisibleKey, kOneText))));
  });
  RefreshCaption();
}

void CommandBehaviour::WriteProperties(rt::PropertyBag& bag) {
  Attempt([&] { bag.WriteProperty(kEnabledKey, std::int64_t{enabledFlag_}, kStoredTrue); });
  Attempt([&] {
    bag.WriteProperty(kCaptionKey, parts_.CaptionText(), std::wstring(kCaptionWriteDefault));
  });
  Attempt([&] { bag.WriteProperty(kFirstRunKey, std::int64_t{firstRun_}, kOneText); });
  Attempt([&] { bag.WriteProperty(kFontKey, parts_.CaptionFont(), parts_.ContainerFont()); });
  Attempt([&] {
    const auto stored = static_cast<std::int32_t>(parts_.CaptionColour());
    bag.WriteProperty(kFontColourKey, std::int64_t{stored}, kZeroText);
  });
  Attempt([&] {
    const std::int16_t style = parts_.Opaque() ? kOpaqueStyle : kTransparentStyle;
    bag.WriteProperty(kVisibleKey, std::int64_t{style}, kOneText);
  });
  RefreshCaption();
}

void CommandBehaviour::Resize() {
  RefreshEnabled();
}

void CommandBehaviour::GotFocus() {
  if (!IsEnabled()) return;
  if (buttonState_ == kStateHighLight) {
    buttonState_ = kStateHighLightSelect;
    PaintSkin(Skin::kPressed);
  } else {
    buttonState_ = kStateSelected;
    PaintSkin(Skin::kSelected);
  }
}

void CommandBehaviour::LostFocus() {
  if (!IsEnabled() || buttonState_ == kStateNormal) return;
  buttonState_ = kStateNormal;
  PaintSkin(Skin::kNormal);
}

void CommandBehaviour::MouseDown(std::int16_t button) {
  if (!IsEnabled() || button != kLeftButton) return;
  PaintSkin(Skin::kPressed);
  mouseIsDown_ = rt::kTrue;
}

void CommandBehaviour::MouseMove() {
  if (!IsEnabled()) return;
  if (buttonState_ == kStateNormal) {
    buttonState_ = kStateHighLight;
    PaintSkin(Skin::kHighLight);
  }
  // A button held down keeps the focused face until it is released.
  if (buttonState_ == kStateSelected && !rt::IsSet(mouseIsDown_)) {
    buttonState_ = kStateHighLightSelect;
    PaintSkin(Skin::kHighLightSelect);
  }
}

void CommandBehaviour::MouseUp(std::int16_t button) {
  if (!IsEnabled()) return;
  if (button == kLeftButton) {
    if (buttonState_ == kStateHighLight) {
      PaintSkin(Skin::kNormal);
    } else if (buttonState_ == kStateHighLightSelect) {
      PaintSkin(Skin::kHighLightSelect);
    }
    mouseIsDown_ = rt::kFalse;
  }
  // A focused button the pointer has left (state 3) was released elsewhere.
  if (buttonState_ != kStateSelected && enabledFlag_ == rt::kTrue) {
    Attempt([&] { parts_.RaiseClick(); });
  }
}

void CommandBehaviour::PointerWatchTick(std::uintptr_t windowAtPointer, std::uintptr_t formWindow,
                                        std::uintptr_t ownWindow) {
  if (windowAtPointer == formWindow) {
    LeaveHover();
    return;
  }
  if (windowAtPointer != ownWindow) LeaveHover();
}

void CommandBehaviour::LeaveHover() {
  if (!IsEnabled()) return;
  if (buttonState_ == kStateHighLight) {
    buttonState_ = kStateNormal;
    PaintSkin(Skin::kNormal);
  }
  if (buttonState_ == kStateHighLightSelect) {
    buttonState_ = kStateSelected;
    PaintSkin(Skin::kSelected);
  }
}

void CommandBehaviour::RefreshEnabled() {
  if (IsEnabled()) {
    PaintSkin(Skin::kNormal);
    Attempt([&] { parts_.SetCaptionEnabled(true); });
  } else {
    PaintSkin(Skin::kDisable);
    Attempt([&] { parts_.SetCaptionEnabled(false); });
  }
}

void CommandBehaviour::RefreshCaption() {
  if (!IsEnabled()) return;
  // Whatever step fails, the caption falls back to black and the rest goes on.
  auto orBlack = [this](bool done) {
    if (!done) Attempt([&] { parts_.SetCaptionColour(rt::kBlack); });
  };
  orBlack(Attempt([&] { parts_.SetCaptionEnabled(true); }));
  if (firstRun_ == 0) orBlack(Attempt([&] { parts_.SetCaptionColour(rt::kBlack); }));
  PaintSkin(Skin::kNormal);
}

void CommandBehaviour::PaintSkin(Skin skin) {
  // States 4 and 0 keep the direction of the last repaint.
  switch (buttonState_) {
    case kStateNormal:
    case kStateSelected:
      gradientInverted_ = rt::kFalse;
      break;
    case kStateHighLight:
      gradientInverted_ = rt::kTrue;
      break;
    default:
      break;
  }
  Attempt([&] { parts_.PaintFace(skin, rt::IsSet(gradientInverted_)); });
}

}  // namespace zelvane::controls
