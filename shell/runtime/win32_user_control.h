// A user control: a control built by the program from other controls and its
// own drawing. Its container creates it, hands it a property bag, delivers
// focus, mouse and resize events, and receives the events it raises (plain
// std::function members of the derived class).
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "property_bag.h"
#include "win32_container.h"

namespace zelvane::rt {

class UserControl : public Control, public Container {
 public:
  // With a bag the control reads its properties from it when it is created;
  // without one it is new and initialises them.
  UserControl(Container& container, Bounds bounds, std::optional<PropertyBag> bag = {},
              const Appearance& appearance = {});
  ~UserControl() override;

  HWND hWnd() const override { return Container::hWnd(); }
  Form& ParentForm() override { return Control::ParentForm(); }

  // Writes the control's properties into a fresh bag, as a container does when
  // it saves its layout.
  PropertyBag Save();

  // Transparent: the container's own picture shows through instead of the
  // control's surface; its windowless controls are still drawn.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // Gives the control the keyboard focus.
  void SetFocus();

  // Receives the names of properties the control reports as changed.
  std::function<void(std::wstring_view)> PropertyChangedNotice;

 protected:
  // The container's font, the default for the control's own.
  FontSpec AmbientFont() const;
  void PropertyChanged(std::wstring_view name);

  virtual void UserControl_InitProperties() {}
  virtual void UserControl_ReadProperties(PropertyBag& bag) { (void)bag; }
  virtual void UserControl_WriteProperties(PropertyBag& bag) { (void)bag; }
  virtual void UserControl_Resize() {}
  virtual void UserControl_GotFocus() {}
  virtual void UserControl_LostFocus() {}
  virtual void UserControl_MouseDown(const MouseEvent& event) { (void)event; }
  virtual void UserControl_MouseMove(const MouseEvent& event) { (void)event; }
  virtual void UserControl_MouseUp(const MouseEvent& event) { (void)event; }

  void CreateWindowPart() override;
  void DestroyWindowPart() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnResized() override;
  void OnMouse(MouseAction action, const MouseEvent& event) override;
  void ComposeBackground(HDC dc, int dx, int dy) const override;

 private:
  std::optional<PropertyBag> bag_;
  bool transparent_ = false;
  bool created_ = false;
};

}  // namespace zelvane::rt
