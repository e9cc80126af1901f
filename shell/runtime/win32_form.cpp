#include "win32_form.h"

#include "errors_suppressed.h"
#include "win32_loaded_forms.h"
#include "win32_program.h"
#include "win32_window_text.h"

namespace zelvane::rt {
namespace {

int TwipsOf(LONG pixels) {
  return PixelsToTwips(static_cast<int>(pixels));
}

}  // namespace

Form::Form(FormLayout layout) : Container(layout.appearance), layout_(std::move(layout)) {}

Form::~Form() {
  unloading_ = true;  // discarded: no handlers run
  DestroyContainerWindow();
}

DWORD Form::Style() const {
  switch (layout_.border) {
    case BorderStyle::kNone:
      return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::kFixedDialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::kSizable:
      break;
  }
  return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

DWORD Form::ExStyle() const {
  return layout_.border == BorderStyle::kFixedDialog ? WS_EX_APPWINDOW : 0;
}

RECT Form::OuterRectFor(int left, int top, int clientWidthPx, int clientHeightPx) const {
  RECT rect{0, 0, clientWidthPx, clientHeightPx};
  AdjustWindowRectEx(&rect, Style(), FALSE, ExStyle());
  OffsetRect(&rect, left - rect.left, top - rect.top);
  return rect;
}

void Form::Load() {
  if (IsLoaded()) return;
  childrenReady_ = false;
  resizeSeen_ = false;
  unloading_ = false;
  RECT outer =
      OuterRectFor(0, 0, TwipsToPixels(layout_.clientWidth), TwipsToPixels(layout_.clientHeight));
  // Centred on the screen until the form places itself.
  OffsetRect(&outer, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
             (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
  if (!CreateContainerWindow(Style(), ExStyle(), nullptr, outer, layout_.caption.c_str())) {
    throw RuntimeError("the form's window cannot be created");
  }
  if (layout_.icon) SetIcon(layout_.icon);
  FormLoaded(this);
  CreateChildren();
  childrenReady_ = true;
  RunHandler([this] { Form_Load(); });
  if (IsLoaded() && !resizeSeen_) {
    resizeSeen_ = true;
    RunHandler([this] { Form_Resize(); });
  }
}

void Form::Show(ShowMode mode) {
  Load();
  if (!IsLoaded()) return;  // the load handler unloaded it
  if (mode == ShowMode::kModeless) {
    ShowWindow(hWnd(), SW_SHOW);
    return;
  }
  // Like a modal dialog: the program's other forms take no input meanwhile.
  std::vector<Form*> disabled;
  for (Form* form : LoadedForms()) {
    if (form != this && IsWindowEnabled(form->hWnd())) {
      EnableWindow(form->hWnd(), FALSE);
      disabled.push_back(form);
    }
  }
  ShowWindow(hWnd(), SW_SHOW);
  SetForegroundWindow(hWnd());
  while (IsLoaded() && IsWindowVisible(hWnd()) && PumpMessage()) {
  }
  const std::vector<Form*> loaded = LoadedForms();
  for (Form* form : disabled) {
    if (std::find(loaded.begin(), loaded.end(), form) != loaded.end()) {
      EnableWindow(form->hWnd(), TRUE);
    }
  }
}

void Form::Hide() {
  if (IsLoaded()) ShowWindow(hWnd(), SW_HIDE);
}

void Form::Unload(UnloadMode mode) {
  if (!IsLoaded() || unloading_) return;
  unloading_ = true;
  Flag cancel = kFalse;
  RunHandler([&] { Form_QueryUnload(cancel, mode); });
  if (IsSet(cancel) || !IsLoaded()) {
    unloading_ = false;
    return;
  }
  RunHandler([&] { Form_Unload(cancel); });
  if (IsSet(cancel) || !IsLoaded()) {
    unloading_ = false;
    return;
  }
  DestroyContainerWindow();
  unloading_ = false;
}

void Form::OnWindowGone() {
  childrenReady_ = false;
  FormGone(this);
}

std::wstring Form::Caption() const {
  if (!IsLoaded()) return layout_.caption;
  return WindowText(hWnd());
}

void Form::SetCaption(std::wstring_view caption) {
  layout_.caption = std::wstring(caption);
  if (IsLoaded()) SetWindowTextW(hWnd(), layout_.caption.c_str());
}

void Form::SetIcon(HICON icon) {
  layout_.icon = icon;
  if (!IsLoaded()) return;
  SendMessageW(hWnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hWnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

// The window's place relative to its parent's client area, or the screen.
static RECT PlaceOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow()) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

int Form::Left() const {
  return IsLoaded() ? TwipsOf(PlaceOf(hWnd()).left) : 0;
}
int Form::Top() const {
  return IsLoaded() ? TwipsOf(PlaceOf(hWnd()).top) : 0;
}
int Form::Width() const {
  if (!IsLoaded()) return 0;
  const RECT r = PlaceOf(hWnd());
  return TwipsOf(r.right - r.left);
}
int Form::Height() const {
  if (!IsLoaded()) return 0;
  const RECT r = PlaceOf(hWnd());
  return TwipsOf(r.bottom - r.top);
}

void Form::Move(int left, int top) {
  if (!IsLoaded()) return;
  SetWindowPos(hWnd(), nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Move(int left, int top, int width, int height) {
  if (!IsLoaded()) return;
  SetWindowPos(hWnd(), nullptr, TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnResized() {
  if (!childrenReady_) return;  // still being created
  resizeSeen_ = true;
  RunHandler([this] { Form_Resize(); });
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Unload(UnloadMode::kControlMenu);
      return 0;
    case WM_DESTROY:
      // The platform took the window away (a parent window went): the form is
      // unloaded all the same, and its handlers are told.
      if (!unloading_) {
        unloading_ = true;
        Flag ignored = kFalse;
        RunHandler([&] { Form_QueryUnload(ignored, UnloadMode::kWindows); });
        RunHandler([&] { Form_Unload(ignored); });
      }
      break;
    default:
      break;
  }
  return Container::HandleMessage(message, wParam, lParam);
}

}  // namespace zelvane::rt
