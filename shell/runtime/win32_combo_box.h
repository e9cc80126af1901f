// A combo box: the platform's drop-down box with a list of texts, either with
// an edit field ("drop-down combo") or without ("drop-down list").
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "font_spec.h"
#include "win32_control.h"

namespace zelvane::rt {

enum class ComboStyle { kDropDownCombo, kDropDownList };

class ComboBox : public Control {
 public:
  ComboBox(Container& container, Bounds bounds, ComboStyle style = ComboStyle::kDropDownCombo);
  ~ComboBox() override;

  HWND hWnd() const override { return window_; }

  void AddItem(std::wstring_view item);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }

  // The selected item, -1 for none. Setting it raises Click.
  int ListIndex() const;
  void SetListIndex(int index);

  // The edit field's text (the selected item's in a drop-down list). Setting
  // it raises Change.
  std::wstring Text() const;
  void SetText(std::wstring_view text);

  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);

  // An item was chosen from the list.
  std::function<void()> Click;
  // The user changed the edit field's text.
  std::function<void()> Change;

  // A notice from the platform control, passed on by the container.
  void OnNotify(int code);
  static ComboBox* FromWindow(HWND window);

 protected:
  void CreateWindowPart() override;
  void DestroyWindowPart() override;
  void OnPlaceChanged() override;

 private:
  ComboStyle style_;
  HWND window_ = nullptr;
  std::vector<std::wstring> items_;
  int listIndex_ = -1;  // kept while the window does not exist
  std::wstring text_;   // likewise
  FontSpec font_;
};

}  // namespace zelvane::rt
