// The push button under Wine: a form with two buttons driven by real window
// messages, its faces read back from the button's surface and from what its
// window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/command_skin_ids.h"
#include "controls/win32_command.h"
#include "runtime/win32_form.h"
#include "runtime/win32_program.h"

namespace zelvane::controls {
namespace {

using rt::Colour;
using rt::Rgb;

constexpr int kWidth = 77, kHeight = 25, kMiddle = kWidth / 2;  // pixels
constexpr Colour kFormColour = Rgb(0, 128, 0);
// Skin colours the ring shows (rows counted from the top of the face).
constexpr Colour kOutline = Rgb(0x00, 0x3C, 0x74);
constexpr Colour kNormalTopInner = Rgb(0xF3, 0xF3, 0xEE);
constexpr Colour kHighLightTopInner = Rgb(0xFF, 0xF0, 0xCF);
constexpr Colour kSelectedTopInner = Rgb(0xCE, 0xE7, 0xFF);
constexpr Colour kPressedAboveOutline = Rgb(0xE0, 0xDC, 0xC9);
constexpr Colour kDisableOutline = Rgb(0xC9, 0xC7, 0xBA);

const rt::FontSpec kDialogFont{L"ＭＳ Ｐゴシック",  9.75, 400, false, false, false,
                               rt::kShiftJisCharset};

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (DWORD now = GetTickCount(); static_cast<LONG>(end - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    rt::DoEvents();
  }
}

class ButtonForm : public rt::Form {
 public:
  ButtonForm() : Form(Layout()) {
    Cmd_Set.Click = [this] { ++setClicks; };
  }

  int setClicks = 0;
  Command Cmd_Set{*this, rt::PixelBounds(10, 10, kWidth, kHeight),
                  rt::PropertyBag{{L"Caption", L"設定"}, {L"Font", kDialogFont}}};
  Command Cmd_Cancel{*this, rt::PixelBounds(100, 10, kWidth, kHeight),
                     rt::PropertyBag{{L"Caption", L"ｷｬﾝｾﾙ"}, {L"Font", kDialogFont}}};

 protected:
  void Form_Load() override {
    Cmd_Set.Initialize();
    Cmd_Cancel.Initialize();
  }

 private:
  static rt::FormLayout Layout() {
    rt::FormLayout layout;
    layout.caption = L"Command test";
    layout.border = rt::BorderStyle::kFixedDialog;
    layout.clientWidth = rt::PixelsToTwips(200);
    layout.clientHeight = rt::PixelsToTwips(60);
    layout.appearance.backColour = kFormColour;
    return layout;
  }
};

// A pixel of the face as drawn on the button's surface (caption not included).
Colour Face(Command& button, int x, int y) {
  return GetPixel(button.Canvas().hDC(), x, y);
}

// The corners are copied unscaled: the face's 4 x 4 corner cells are the
// skin's.
void ExpectCornersOf(Command& button, int resource, int width, int height) {
  HANDLE skin = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0,
                           0, LR_CREATEDIBSECTION);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, skin);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(Face(button, c, r), GetPixel(dc, c, r));
      EXPECT_EQ(Face(button, width - 4 + c, r), GetPixel(dc, 60 + c, r));
      EXPECT_EQ(Face(button, width - 4 + c, height - 4 + r), GetPixel(dc, 60 + c, 21 + r));
      EXPECT_EQ(Face(button, c, height - 4 + r), GetPixel(dc, c, 21 + r));
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(skin);
}

// The face's gradient on row y: row 0 has the top colour, row height - 1 the
// bottom one.
void ExpectGradientRow(Command& button, int y, bool inverted) {
  const int white[3] = {255, 255, 255}, lavender[3] = {198, 197, 215};
  const int* top = inverted ? lavender : white;
  const int* bottom = inverted ? white : lavender;
  const Colour shown = Face(button, kMiddle, y);
  for (int i = 0; i < 3; ++i) {
    const int expected = top[i] + (bottom[i] - top[i]) * y / (kHeight - 1);
    EXPECT_NEAR(static_cast<int>((shown >> (8 * i)) & 0xFF), expected, 2) << y << ", " << i;
  }
}

// What the button's window shows, caption included, row by row.
std::vector<Colour> Shown(HWND window) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  std::vector<Colour> pixels;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

bool Shows(HWND window, Colour colour) {
  return std::ranges::count(Shown(window), colour) > 0;
}

class CommandTest : public testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    SetFocus(form.hWnd());
  }
  void TearDown() override { form.Unload(); }
  void Send(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(button.hWnd(), message, keys, MAKELPARAM(x, y));
  }

  ButtonForm form;
  Command& button = form.Cmd_Set;
};

TEST_F(CommandTest, LoadedFromItsBagItShowsTheIdleFaceWithItsCaption) {
  EXPECT_EQ(button.Caption(), L"設定");
  EXPECT_EQ(button.Font(), kDialogFont);
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
  EXPECT_EQ(Face(button, kWidth - 2, 12), kOutline);        // right edge, stretched
  EXPECT_EQ(Face(button, kMiddle, kHeight - 2), kOutline);  // bottom edge, stretched
  EXPECT_EQ(Face(button, kMiddle, 2), kNormalTopInner);
  ExpectCornersOf(button, IDB_COMMAND_NORMAL, kWidth, kHeight);
  ExpectGradientRow(button, 4, false);
  ExpectGradientRow(button, kHeight - 5, false);
  EXPECT_TRUE(Shows(button.hWnd(), rt::kBlack));  // the caption's text
}

// Over the button it lights up with the gradient turned; a press takes the
// focus and looks pressed. A release after the pointer left it, for the form,
// raises no Click; one over it does.
TEST_F(CommandTest, HoverPressAndReleaseOutsideOrOver) {
  RECT place;
  GetWindowRect(button.hWnd(), &place);
  SetCursorPos(place.left + 30, place.top + 12);
  Send(WM_MOUSEMOVE, 0, 30, 12);
  EXPECT_EQ(Face(button, kMiddle, 2), kHighLightTopInner);
  ExpectGradientRow(button, 4, true);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
  EXPECT_EQ(GetFocus(), button.hWnd());
  EXPECT_EQ(Face(button, kMiddle, 1), kPressedAboveOutline);
  PumpFor(350);  // the pointer watch sees the pointer still over the button
  EXPECT_EQ(button.Behaviour().ButtonState(), 4);

  SetCursorPos(place.left - 5, place.top + 12);
  PumpFor(350);
  EXPECT_EQ(Face(button, kMiddle, 2), kSelectedTopInner);
  Send(WM_LBUTTONUP, 0, -5, 12);
  EXPECT_EQ(form.setClicks, 0);
  Send(WM_MOUSEMOVE, 0, 30, 12);  // back over it, a press and release click
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
  Send(WM_LBUTTONUP, 0, 30, 12);
  EXPECT_EQ(form.setClicks, 1);
}

TEST_F(CommandTest, ADisabledButtonShowsDisableIgnoresTheMouseAndStillTakesTheFocus) {
  button.SetEnabled(false);
  EXPECT_TRUE(IsWindowEnabled(button.hWnd()));
  EXPECT_EQ(Face(button, 1, 12), kDisableOutline);
  EXPECT_FALSE(Shows(button.hWnd(), rt::kBlack));
  EXPECT_TRUE(Shows(button.hWnd(), GetSysColor(COLOR_GRAYTEXT)));

  Send(WM_MOUSEMOVE, 0, 30, 12);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 12);
  EXPECT_EQ(GetFocus(), button.hWnd());
  Send(WM_LBUTTONUP, 0, 30, 12);
  EXPECT_EQ(form.setClicks, 0);
  EXPECT_EQ(Face(button, 1, 12), kDisableOutline);

  button.SetEnabled(true);
  EXPECT_EQ(Face(button, 1, 12), kOutline);
}

TEST_F(CommandTest, TabMovesTheFocusToTheNextButton) {
  button.SetFocus();
  EXPECT_EQ(Face(button, kMiddle, 2), kSelectedTopInner);
  PostMessageW(button.hWnd(), WM_KEYDOWN, VK_TAB, 0);
  PumpFor(100);
  EXPECT_EQ(GetFocus(), form.Cmd_Cancel.hWnd());
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
}

TEST_F(CommandTest, ATransparentFaceShowsOnlyTheCaptionAndAResizeRedrawsTheRing) {
  button.SetVisible(0);
  const std::vector<Colour> shown = Shown(button.hWnd());
  EXPECT_EQ(shown[2 * kWidth + 2], kFormColour);
  EXPECT_GT(std::ranges::count(shown, rt::kBlack), 0);  // the caption
  EXPECT_EQ(button.Save().Size(), 3u);                  // Caption, Font, Visible

  button.SetVisible(1);
  button.Move(button.Left(), button.Top(), rt::PixelsToTwips(8), rt::PixelsToTwips(8));
  ExpectCornersOf(button, IDB_COMMAND_NORMAL, 8, 8);  // the corners meet
}

}  // namespace
}  // namespace zelvane::controls
