#include "win32_user_control.h"

#include "win32_program.h"

namespace zelvane::rt {

UserControl::UserControl(Container& container, Bounds bounds, std::optional<PropertyBag> bag,
                         const Appearance& appearance)
    : Control(container, bounds), Container(appearance), bag_(std::move(bag)) {}

UserControl::~UserControl() {
  DestroyContainerWindow();
}

void UserControl::CreateWindowPart() {
  HWND parent = Parent().hWnd();
  if (!parent || Container::hWnd()) return;
  DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!Enabled()) style |= WS_DISABLED;
  created_ = false;
  if (!CreateContainerWindow(style, 0, parent, PixelRect(), L"")) return;
  CreateChildren();
  // A control from a saved layout reads its properties; a new one sets them up.
  if (bag_) {
    RunHandler([this] { UserControl_ReadProperties(*bag_); });
  } else {
    RunHandler([this] { UserControl_InitProperties(); });
  }
  created_ = true;
  RunHandler([this] { UserControl_Resize(); });  // the size is set for the first time
  if (Visible() && Container::hWnd()) ShowWindow(Container::hWnd(), SW_SHOWNA);
}

void UserControl::DestroyWindowPart() {
  DestroyContainerWindow();
}

PropertyBag UserControl::Save() {
  PropertyBag bag;
  RunHandler([&] { UserControl_WriteProperties(bag); });
  bag_ = bag;
  return bag;
}

void UserControl::SetTransparent(bool transparent) {
  transparent_ = transparent;
  if (HWND window = hWnd()) InvalidateRect(window, nullptr, FALSE);
}

void UserControl::SetFocus() {
  if (HWND window = hWnd()) ::SetFocus(window);
}

FontSpec UserControl::AmbientFont() const {
  return Parent().Font();
}

void UserControl::PropertyChanged(std::wstring_view name) {
  if (PropertyChangedNotice) PropertyChangedNotice(name);
}

void UserControl::OnResized() {
  if (created_) RunHandler([this] { UserControl_Resize(); });
}

void UserControl::OnMouse(MouseAction action, const MouseEvent& event) {
  switch (action) {
    case MouseAction::kDown:
      RunHandler([&] { UserControl_MouseDown(event); });
      break;
    case MouseAction::kMove:
      RunHandler([&] { UserControl_MouseMove(event); });
      break;
    case MouseAction::kUp:
      RunHandler([&] { UserControl_MouseUp(event); });
      break;
    case MouseAction::kClick:
      break;  // a user control raises its own Click
  }
}

void UserControl::ComposeBackground(HDC dc, int dx, int dy) const {
  if (!transparent_) return Container::ComposeBackground(dc, dx, dy);
  const RECT place = PixelRect();
  Parent().Compose(dc, dx - place.left, dy - place.top);
}

LRESULT UserControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      RunHandler([this] { UserControl_GotFocus(); });
      return 0;
    case WM_KILLFOCUS:
      RunHandler([this] { UserControl_LostFocus(); });
      return 0;
    case WM_LBUTTONDOWN:
      // A press focuses the control before its MouseDown runs.
      if (GetFocus() != hWnd()) ::SetFocus(hWnd());
      break;
    default:
      break;
  }
  return Container::HandleMessage(message, wParam, lParam);
}

}  // namespace zelvane::rt
