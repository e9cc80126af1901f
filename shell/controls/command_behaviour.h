// What the skinned push button does, apart from drawing: its members, its
// visual states and the images each change paints, its properties, its
// property bag, the pointer watch and when Click is raised. It acts on the
// button's parts (face, caption label, timer, container) through CommandParts,
// so it runs the same against the Win32 control and against a recording double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/colour.h"
#include "runtime/flags.h"
#include "runtime/font_spec.h"
#include "runtime/property_bag.h"

namespace zelvane::controls {

// The six skin images a face is painted with.
enum class Skin { kNormal, kHighLight, kSelected, kHighLightSelect, kPressed, kDisable };
inline constexpr int kSkinCount = 6;

// ButtonState values; 0 only until Initialize or the first focus change.
inline constexpr std::uint8_t kStateNone = 0;
inline constexpr std::uint8_t kStateNormal = 1;
inline constexpr std::uint8_t kStateHighLight = 2;
inline constexpr std::uint8_t kStateSelected = 3;
inline constexpr std::uint8_t kStateHighLightSelect = 4;

// Mouse buttons as mouse events report them.
inline constexpr std::int16_t kLeftButton = 1;

// The pointer watch's period.
inline constexpr unsigned kPointerWatchMs = 100;

// Names of the stored and notified properties.
inline constexpr std::wstring_view kCaptionKey = L"Caption";
inline constexpr std::wstring_view kEnabledKey = L"Enabled";
inline constexpr std::wstring_view kFontKey = L"Font";
inline constexpr std::wstring_view kFirstRunKey = L"FirstRun";
inline constexpr std::wstring_view kFontColourKey = L"FontColour";
inline constexpr std::wstring_view kVisibleKey = L"Visible";

// The caption a bag without one gives, and the one that is not stored.
inline constexpr std::wstring_view kCaptionReadDefault = L"Command1";
inline constexpr std::wstring_view kCaptionWriteDefault = L"Command";

// The button's parts. Any operation may throw rt::RuntimeError when the
// platform refuses it; the behaviour then goes on as its rules say.
class CommandParts {
 public:
  virtual ~CommandParts() = default;

  // Repaints the whole face with one image; the gradient runs from lavender
  // grey at the top when inverted, from white otherwise. Also lays out the
  // caption.
  virtual void PaintFace(Skin skin, bool gradientInverted) = 0;

  virtual std::wstring CaptionText() const = 0;
  virtual void SetCaptionText(std::wstring_view text) = 0;
  virtual rt::FontSpec CaptionFont() const = 0;
  virtual void SetCaptionFont(const rt::FontSpec& font) = 0;
  virtual rt::Colour CaptionColour() const = 0;
  virtual void SetCaptionColour(rt::Colour colour) = 0;
  // A disabled caption is drawn in the platform's disabled-text look.
  virtual void SetCaptionEnabled(bool enabled) = 0;

  // Whether the face is shown (opaque) or only the caption (transparent).
  virtual bool Opaque() const = 0;
  virtual void SetOpaque(bool opaque) = 0;

  // The container's font.
  virtual rt::FontSpec ContainerFont() const = 0;
  // Switches the pointer watch on with the given period.
  virtual void StartPointerWatch(unsigned intervalMs) = 0;
  virtual void NotifyChanged(std::wstring_view property) = 0;
  virtual void RaiseClick() = 0;
};

class CommandBehaviour {
 public:
  explicit CommandBehaviour(CommandParts& parts) : parts_(parts) {}

  std::uint8_t ButtonState() const { return buttonState_; }
  rt::Flag EnabledFlag() const { return enabledFlag_; }
  std::uint8_t FirstRun() const { return firstRun_; }
  rt::Flag MouseIsDown() const { return mouseIsDown_; }

  // Properties. The getters that repaint are not const.
  std::wstring Caption() const;
  void SetCaption(std::wstring_view New_Caption);
  rt::Flag Enabled();
  void SetEnabled(rt::Flag New_Enabled);
  rt::FontSpec Font() const;
  void SetFont(const rt::FontSpec& New_Font);
  rt::Colour FontColour();
  void SetFontColour(rt::Colour New_FontColour);
  std::uint8_t Visible();
  void SetVisible(std::uint8_t New_Visible);

  void Initialize();

  void ReadProperties(const rt::PropertyBag& bag);
  void WriteProperties(rt::PropertyBag& bag);

  // Container events.
  void Resize();
  void GotFocus();
  void LostFocus();
  void MouseDown(std::int16_t button);
  void MouseMove();
  void MouseUp(std::int16_t button);

  // One tick of the pointer watch: the window under the pointer, the window
  // of the form holding the button and the button's own window.
  void PointerWatchTick(std::uintptr_t windowAtPointer, std::uintptr_t formWindow,
                        std::uintptr_t ownWindow);

  // The pointer has left the button: drops a pointer-over state.
  void LeaveHover();
  // Normal or Disable face, with the caption to match.
  void RefreshEnabled();
  // Normal face and enabled caption, when the button is enabled.
  void RefreshCaption();

 private:
  bool IsEnabled() const { return rt::IsSet(enabledFlag_); }
  void PaintSkin(Skin skin);

  CommandParts& parts_;
  std::uint8_t buttonState_ = kStateNone;
  rt::Flag enabledFlag_ = rt::kFalse;
  std::uint8_t firstRun_ = 0;
  rt::Flag mouseIsDown_ = rt::kFalse;
  rt::Flag gradientInverted_ = rt::kFalse;
};

}  // namespace zelvane::controls
