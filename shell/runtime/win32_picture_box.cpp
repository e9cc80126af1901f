#include "win32_picture_box.h"

#include "win32_program.h"

namespace zelvane::rt {

PictureBox::PictureBox(Container& container, Bounds bounds, const Appearance& appearance)
    : Control(container, bounds), Container(appearance) {}

PictureBox::~PictureBox() {
  DestroyContainerWindow();
}

void PictureBox::SetPicture(const Picture& picture) {
  Canvas().SetBackPicture(picture);
  Refresh();
}

void PictureBox::CreateWindowPart() {
  HWND parent = Parent().hWnd();
  if (!parent || Container::hWnd()) return;
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  // Tab reaches the controls inside the box as it does those of the form.
  if (!CreateContainerWindow(style, WS_EX_CONTROLPARENT, parent, PixelRect(), L"")) return;
  CreateChildren();
}

void PictureBox::DestroyWindowPart() {
  DestroyContainerWindow();
}

void PictureBox::OnMouse(MouseAction action, const MouseEvent& event) {
  switch (action) {
    case MouseAction::kDown:
      if (MouseDown) RunHandler([&] { MouseDown(event); });
      break;
    case MouseAction::kMove:
      if (MouseMove) RunHandler([&] { MouseMove(event); });
      break;
    case MouseAction::kUp:
      if (MouseUp) RunHandler([&] { MouseUp(event); });
      break;
    case MouseAction::kClick:
      if (Click) RunHandler([&] { Click(); });
      break;
  }
}

}  // namespace zelvane::rt
