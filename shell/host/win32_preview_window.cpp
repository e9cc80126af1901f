// Zelvane_R, the preview: a borderless black form holding the image control
// Img_Prev, made a child of the window the display settings give and sized to
// it. The picture is drawn at its own size from the top-left corner; the live
// field, where it can be had, is laid over it (win32_preview_field.h).
#include "host/preview_window.h"

#include "host/preview_field_size.h"
#include "host/preview_picture.h"
#include "host/win32_preview_field.h"
#include "runtime/errors_suppressed.h"
#include "runtime/win32_form.h"
#include "runtime/win32_graphics.h"
#include "runtime/win32_program.h"

namespace zelvane::host {
namespace {

// How often the preview checks that its parent window still exists. The
// platform destroys that window without telling the shell.
constexpr UINT kParentCheckIntervalMs = 250;

HWND watchedParent = nullptr;

rt::FormLayout PreviewLayout() {
  rt::FormLayout layout;
  layout.caption = L"Preview Window";
  layout.border = rt::BorderStyle::kNone;
  layout.clientWidth = rt::PixelsToTwips(kPreviewPictureWidth);
  layout.clientHeight = rt::PixelsToTwips(kPreviewPictureHeight);
  layout.appearance.backColour = rt::kBlack;
  return layout;
}

class Zelvane_R final : public rt::Form {
 public:
  Zelvane_R() : Form(PreviewLayout()) {}

  rt::Image Img_Prev{*this, rt::PixelBounds(0, 0, kPreviewPictureWidth, kPreviewPictureHeight),
                     LoadPreviewPicture()};

 private:
  void Form_Unload(rt::Flag& cancel) override {
    (void)cancel;
    // A top-level form has no owner; there is nothing to tell then.
    const HWND owner = GetWindow(hWnd(), GW_OWNER);
    if (owner) PostMessageW(owner, WM_CLOSE, 0, 0);
  }
};

// The form's style as a child window. A window is either a pop-up or a child,
// never both: with both bits set it is not clipped or painted as a child.
LONG ChildStyle(LONG style) {
  return (style & ~static_cast<LONG>(WS_POPUP)) | static_cast<LONG>(WS_CHILD);
}

void CALLBACK CheckParent(HWND, UINT, UINT_PTR, DWORD) {
  if (!IsWindow(watchedParent)) rt::EndProgram();
}

}  // namespace

void AttachPreviewWindow(HWND parent, PixelFormatSetter setPixelFormat) {
  RECT rect{};
  rt::Attempt([&] { GetWindowRect(parent, &rect); });
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  // The preview lives until the program ends.
  static Zelvane_R* const form = new Zelvane_R;
  rt::Attempt([] { form->Load(); });
  const HWND window = form->hWnd();
  rt::Attempt(
      [&] { SetWindowLongW(window, GWL_STYLE, ChildStyle(GetWindowLongW(window, GWL_STYLE))); });
  rt::Attempt([&] { SetParent(window, parent); });
  // A parent that went during start-up leaves the preview nowhere to live: it
  // must not be shown as a window of its own.
  if (GetAncestor(window, GA_PARENT) != parent) rt::EndProgram();
  rt::Attempt([&] { MoveWindow(window, 0, 0, width, height, TRUE); });
  rt::Attempt(
      [&] { form->Img_Prev.Move(0, 0, rt::PixelsToTwips(width), rt::PixelsToTwips(height)); });
  rt::Attempt([&] {
    RECT client{};
    GetClientRect(parent, &client);
    if (const auto size = LiveFieldSize({width, height}, {client.right, client.bottom})) {
      OpenLiveField(window, *size, setPixelFormat);
    }
  });
  rt::Attempt([] { form->Show(); });

  // A thread timer, not one of the form's: the form's window goes with its parent.
  watchedParent = parent;
  SetTimer(nullptr, 0, kParentCheckIntervalMs, CheckParent);
}

}  // namespace zelvane::host
