// The push button under Wine, driven by window messages on a form of its own.
// Its hover and pressed faces, and a disabled button ignoring a real mouse, are
// checked on the settings dialog end to end.
#include <gtest/gtest.h>

#include "controls/command_skin_ids.h"
#include "controls/win32_command.h"
#include "runtime/win32_form.h"
#include "runtime/win32_program.h"
#include "../runtime/win32_pump_messages.h"

namespace zelvane::controls {
namespace {

using rt::Colour;

constexpr int kWidth = 77, kHeight = 25, kMiddle = kWidth / 2;  // pixels
// Skin colours the ring shows.
constexpr Colour kOutline = rt::Rgb(0x00, 0x3C, 0x74);
constexpr Colour kSelectedTopInner = rt::Rgb(0xCE, 0xE7, 0xFF);
constexpr Colour kDisableOutline = rt::Rgb(0xC9, 0xC7, 0xBA);

struct ButtonForm : rt::Form {
  ButtonForm()
      : Form({.caption = {},
              .border = rt::BorderStyle::kFixedDialog,
              .clientWidth = rt::PixelsToTwips(200),
              .clientHeight = rt::PixelsToTwips(60),
              .appearance = {}}) {}
  void Form_Load() override {
    Cmd_Set.Initialize();
    Cmd_Cancel.Initialize();
  }

  Command Cmd_Set{*this, rt::PixelBounds(10, 10, kWidth, kHeight), rt::PropertyBag{}};
  Command Cmd_Cancel{*this, rt::PixelBounds(100, 10, kWidth, kHeight)};
};

// A pixel of the face as drawn on the button's surface, without the caption.
Colour Face(Command& button, int x, int y) {
  return GetPixel(button.Canvas().hDC(), x, y);
}

class CommandTest : public testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    SetFocus(form.hWnd());
  }
  void TearDown() override { form.Unload(); }
  void Send(UINT message, WPARAM keys, int x) {
    SendMessageW(button.hWnd(), message, keys, MAKELPARAM(x, 12));
  }

  ButtonForm form;
  Command& button = form.Cmd_Set;
};

// The skin's 4 x 4 corners unscaled and its edges stretched around a vertical
// gradient from white at the top to lavender at the bottom.
TEST_F(CommandTest, TheIdleFaceIsTheSkinsRingAroundTheGradient) {
  HANDLE skin = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_COMMAND_NORMAL),
                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, skin);
  for (int i = 0; i < 16; ++i) {
    const int c = i % 4, r = i / 4, right = kWidth - 4 + c, bottom = kHeight - 4 + r;
    EXPECT_EQ(Face(button, c, r), GetPixel(dc, c, r));
    EXPECT_EQ(Face(button, right, r), GetPixel(dc, 60 + c, r));
    EXPECT_EQ(Face(button, right, bottom), GetPixel(dc, 60 + c, 21 + r));
    EXPECT_EQ(Face(button, c, bottom), GetPixel(dc, c, 21 + r));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(skin);
  EXPECT_EQ(Face(button, kWidth - 2, 12), kOutline);
  EXPECT_EQ(Face(button, kMiddle, kHeight - 2), kOutline);
  const int white[3] = {255, 255, 255}, lavender[3] = {198, 197, 215};
  for (const int y : {4, kHeight - 5}) {
    for (int i = 0; i < 3; ++i) {
      const int expected = white[i] + (lavender[i] - white[i]) * y / (kHeight - 1);
      EXPECT_NEAR((Face(button, kMiddle, y) >> (8 * i)) & 0xFF, expected, 2) << y << ", " << i;
    }
  }
}

// The pointer watch sees the pointer leave a pressed button for the form, and
// the button falls back to the focused face; what a release does then is the
// behaviour's state table.
TEST_F(CommandTest, PointerLeavingWhileHeldFallsBackToTheFocusedFace) {
  RECT place;
  GetWindowRect(button.hWnd(), &place);
  SetCursorPos(place.left + 30, place.top + 12);
  Send(WM_MOUSEMOVE, 0, 30);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 30);
  EXPECT_EQ(GetFocus(), button.hWnd());
  rt::PumpFor(350);
  EXPECT_EQ(button.Behaviour().ButtonState(), 4);
  SetCursorPos(place.left - 5, place.top + 12);
  rt::PumpFor(3000, [&] { return button.Behaviour().ButtonState() == 3; });
  EXPECT_EQ(Face(button, kMiddle, 2), kSelectedTopInner);
}

// Disabled is the button's own flag: its window stays enabled, so it still
// takes the focus and passes it on with Tab.
TEST_F(CommandTest, ADisabledButtonShowsDisableAndStillTakesTheFocus) {
  button.SetEnabled(false);
  EXPECT_EQ(Face(button, 1, 12), kDisableOutline);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 30);
  EXPECT_EQ(GetFocus(), button.hWnd());
  PostMessageW(button.hWnd(), WM_KEYDOWN, VK_TAB, 0);
  rt::PumpFor(3000, [&] { return GetFocus() == form.Cmd_Cancel.hWnd(); });
  EXPECT_EQ(GetFocus(), form.Cmd_Cancel.hWnd());
}

}  // namespace
}  // namespace zelvane::controls
