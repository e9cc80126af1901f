#include "win32_command.h"

#include "command_skin_ids.h"
#include "runtime/errors_suppressed.h"
#include "runtime/win32_form.h"

namespace zelvane::controls {
namespace {

using controls::Skin;

// The skin bitmaps in the order of controls::Skin.
constexpr std::array<int, controls::kSkinCount> kSkinResources = {
    IDB_COMMAND_NORMAL,          IDB_COMMAND_HIGHLIGHT, IDB_COMMAND_SELECTED,
    IDB_COMMAND_HIGHLIGHTSELECT, IDB_COMMAND_PRESSED,   IDB_COMMAND_DISABLE};

// The caption's text before the bag or the container sets one.
constexpr wchar_t kInitialCaption[] = L"Command";

}  // namespace

Command::Command(rt::Container& container, rt::Bounds bounds, std::optional<rt::PropertyBag> bag)
    : UserControl(container, bounds, std::move(bag)),
      LblMsg(*this, {0, 0, bounds.width, controls::kCaptionHeightTwips}, kInitialCaption) {
  LblMsg.SetAlignment(rt::Alignment::kCentre);
  LblMsg.SetTransparent(true);
  LblMsg.SetForeColour(rt::kBlack);
  // The caption is part of the face: the mouse on it is the mouse on the button.
  LblMsg.MouseDown = [this](const rt::MouseEvent& e) { UserControl_MouseDown(e); };
  LblMsg.MouseMove = [this](const rt::MouseEvent& e) { UserControl_MouseMove(e); };
  LblMsg.MouseUp = [this](const rt::MouseEvent& e) { UserControl_MouseUp(e); };
  TmrMouse.Tick = [this] { TmrMouse_Timer(); };
  for (std::size_t i = 0; i < skins_.size(); ++i) {
    rt::Attempt([&] { skins_[i] = rt::Picture::FromResource(kSkinResources[i]); });
  }
}

Command::~Command() = default;

std::wstring Command::Caption() const {
  return behaviour_.Caption();
}

void Command::SetCaption(std::wstring_view New_Caption) {
  behaviour_.SetCaption(New_Caption);
}

bool Command::Enabled() {
  return rt::IsSet(behaviour_.Enabled());
}

void Command::SetEnabled(bool New_Enabled) {
  behaviour_.SetEnabled(rt::ToFlag(New_Enabled));
}

rt::FontSpec Command::Font() const {
  return behaviour_.Font();
}

void Command::SetFont(const rt::FontSpec& New_Font) {
  behaviour_.SetFont(New_Font);
}

rt::Colour Command::FontColour() {
  return behaviour_.FontColour();
}

void Command::SetFontColour(rt::Colour New_FontColour) {
  behaviour_.SetFontColour(New_FontColour);
}

std::uint8_t Command::Visible() {
  return behaviour_.Visible();
}

void Command::SetVisible(std::uint8_t New_Visible) {
  behaviour_.SetVisible(New_Visible);
}

void Command::Initialize() {
  behaviour_.Initialize();
}

void Command::UserControl_ReadProperties(rt::PropertyBag& bag) {
  behaviour_.ReadProperties(bag);
}

void Command::UserControl_WriteProperties(rt::PropertyBag& bag) {
  behaviour_.WriteProperties(bag);
}

void Command::UserControl_Resize() {
  behaviour_.Resize();
}

void Command::UserControl_GotFocus() {
  behaviour_.GotFocus();
}

void Command::UserControl_LostFocus() {
  behaviour_.LostFocus();
}

void Command::UserControl_MouseDown(const rt::MouseEvent& event) {
  behaviour_.MouseDown(event.button);
}

void Command::UserControl_MouseMove(const rt::MouseEvent&) {
  behaviour_.MouseMove();
}

void Command::UserControl_MouseUp(const rt::MouseEvent& event) {
  behaviour_.MouseUp(event.button);
}

void Command::TmrMouse_Timer() {
  POINT point{};  // a pointer that cannot be read counts as at (0, 0)
  GetCursorPos(&point);
  HWND atPointer = WindowFromPoint(point);
  HWND form = ParentForm().hWnd();
  behaviour_.PointerWatchTick(reinterpret_cast<std::uintptr_t>(atPointer),
                              reinterpret_cast<std::uintptr_t>(form),
                              reinterpret_cast<std::uintptr_t>(hWnd()));
}

// The whole face, every time: the gradient, then the eight ring pieces from
// the skin (edges stretched), then the caption placed over it.
void Command::PaintFace(Skin skin, bool gradientInverted) {
  const rt::Picture& image = skins_[static_cast<std::size_t>(skin)];
  rt::RunSteps({
      [&] { geometry_.Update(Width(), Height()); },
      [&] { Canvas().Clear(); },
      [&] { PaintGradient(gradientInverted); },
      [&] {
        for (const controls::RingPiece& p : geometry_.Pixels()) {
          image.Draw(Canvas().hDC(), p.x, p.y, p.width, p.height, p.srcX, p.srcY, p.srcWidth,
                     p.srcHeight);
        }
      },
      [&] { Canvas().Refresh(); },
      [&] {
        const int top = rt::PixelsToTwips(controls::CaptionTopPixels(Height()));
        LblMsg.Move(0, top, Width(), LblMsg.Height());
      },
  });
}

void Command::PaintGradient(bool inverted) {
  rt::Surface& surface = Canvas();
  rt::RunSteps({
      [&] { surface.SetUnit(rt::ScaleMode::kPixels); },
      [&] {
        const auto v = controls::GradientVertices(inverted, static_cast<int>(surface.ScaleWidth()),
                                                  static_cast<int>(surface.ScaleHeight()));
        TRIVERTEX vertices[2] = {{v[0].x, v[0].y, v[0].red, v[0].green, v[0].blue, v[0].alpha},
                                 {v[1].x, v[1].y, v[1].red, v[1].green, v[1].blue, v[1].alpha}};
        GRADIENT_RECT rect{0, 1};
        if (!GradientFill(surface.hDC(), vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V)) {
          throw rt::RuntimeError("gradient not drawn");
        }
      },
      [&] { surface.SetUnit(rt::ScaleMode::kTwips); },
      [&] { surface.Refresh(); },
  });
}

std::wstring Command::CaptionText() const {
  return LblMsg.Caption();
}

void Command::SetCaptionText(std::wstring_view text) {
  LblMsg.SetCaption(text);
}

rt::FontSpec Command::CaptionFont() const {
  return LblMsg.Font();
}

void Command::SetCaptionFont(const rt::FontSpec& font) {
  LblMsg.SetFont(font);
}

rt::Colour Command::CaptionColour() const {
  return LblMsg.ForeColour();
}

void Command::SetCaptionColour(rt::Colour colour) {
  LblMsg.SetForeColour(colour);
}

void Command::SetCaptionEnabled(bool enabled) {
  // Only the caption label: the button's own window always stays enabled.
  LblMsg.rt::Control::SetEnabled(enabled);
}

bool Command::Opaque() const {
  return !Transparent();
}

void Command::SetOpaque(bool opaque) {
  SetTransparent(!opaque);
}

rt::FontSpec Command::ContainerFont() const {
  return AmbientFont();
}

void Command::StartPointerWatch(unsigned intervalMs) {
  TmrMouse.SetEnabled(true);
  TmrMouse.SetInterval(intervalMs);
}

void Command::NotifyChanged(std::wstring_view property) {
  PropertyChanged(property);
}

void Command::RaiseClick() {
  if (Click) Click();
}

}  // namespace zelvane::controls
