// A picture box: a child window with its own retained drawing surface, which
// may hold a picture and other controls.
#pragma once

#include "win32_container.h"

namespace zelvane::rt {

class PictureBox : public Control, public Container {
 public:
  PictureBox(Container& container, Bounds bounds, const Appearance& appearance = {});
  ~PictureBox() override;

  HWND hWnd() const override { return Container::hWnd(); }
  Form& ParentForm() override { return Control::ParentForm(); }

  // The picture under what is drawn; it is shown at its own size.
  void SetPicture(const Picture& picture);

  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

 protected:
  void CreateWindowPart() override;
  void DestroyWindowPart() override;
  void OnMouse(MouseAction action, const MouseEvent& event) override;
};

}  // namespace zelvane::rt
