#include "win32_combo_box.h"

#include "errors_suppressed.h"
#include "win32_container.h"
#include "win32_font.h"
#include "win32_program.h"
#include "win32_window_text.h"

namespace zelvane::rt {
namespace {

const wchar_t kOwnerProperty[] = L"Zelvane.ComboBox";
// Room below the edit field for the opened list.
constexpr int kListHeightPixels = 200;

}  // namespace

ComboBox::ComboBox(Container& container, Bounds bounds, ComboStyle style)
    : Control(container, bounds), style_(style), font_(container.Font()) {}

ComboBox::~ComboBox() {
  DestroyWindowPart();
}

ComboBox* ComboBox::FromWindow(HWND window) {
  return static_cast<ComboBox*>(GetPropW(window, kOwnerProperty));
}

void ComboBox::CreateWindowPart() {
  HWND parent = Parent().hWnd();
  if (!parent || window_) return;
  DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_AUTOHSCROLL |
                (style_ == ComboStyle::kDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  if (Visible()) style |= WS_VISIBLE;
  if (!Enabled()) style |= WS_DISABLED;
  const RECT r = PixelRect();
  window_ = CreateWindowExW(0, L"COMBOBOX", L"", style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top + kListHeightPixels, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  SetPropW(window_, kOwnerProperty, this);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), FALSE);
  for (const std::wstring& item : items_) {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
  if (style_ == ComboStyle::kDropDownCombo) SetWindowTextW(window_, text_.c_str());
}

void ComboBox::DestroyWindowPart() {
  if (!window_) return;
  // Keep what the user entered for a later load of the form.
  listIndex_ = ListIndex();
  text_ = Text();
  RemovePropW(window_, kOwnerProperty);
  DestroyWindow(window_);
  window_ = nullptr;
}

void ComboBox::AddItem(std::wstring_view item) {
  items_.emplace_back(item);
  if (window_)
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_.back().c_str()));
}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  if (window_) SendMessageW(window_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::ListIndex() const {
  if (!window_) return listIndex_;
  return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) throw RuntimeError("list index out of range");
  listIndex_ = index;
  if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
  if (window_) SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (Click) RunHandler([this] { Click(); });
}

std::wstring ComboBox::Text() const {
  if (!window_) return text_;
  return WindowText(window_);
}

void ComboBox::SetText(std::wstring_view text) {
  if (style_ == ComboStyle::kDropDownList) {
    // A list without an edit field can only show one of its items.
    for (int i = 0; i < ListCount(); ++i) {
      if (items_[static_cast<std::size_t>(i)] == text) return SetListIndex(i);
    }
    throw RuntimeError("text is not in the list");
  }
  const bool changed = Text() != text;
  text_ = std::wstring(text);
  if (window_) SetWindowTextW(window_, text_.c_str());
  if (changed && Change) RunHandler([this] { Change(); });
}

void ComboBox::SetFont(const FontSpec& font) {
  font_ = font;
  if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), TRUE);
}

void ComboBox::OnNotify(int code) {
  switch (code) {
    case CBN_SELCHANGE: {
      // The edit field takes the chosen item only after this notice; give it
      // now so that the Click handler reads the new text.
      const int index = ListIndex();
      if (index >= 0 && index < ListCount() && style_ == ComboStyle::kDropDownCombo) {
        SetWindowTextW(window_, items_[static_cast<std::size_t>(index)].c_str());
      }
      if (Click) RunHandler([this] { Click(); });
      break;
    }
    case CBN_EDITCHANGE:
      if (Change) RunHandler([this] { Change(); });
      break;
    default:
      break;
  }
}

void ComboBox::OnPlaceChanged() {
  if (!window_) return;
  const RECT r = PixelRect();
  MoveWindow(window_, r.left, r.top, r.right - r.left, r.bottom - r.top + kListHeightPixels, TRUE);
}

}  // namespace zelvane::rt
