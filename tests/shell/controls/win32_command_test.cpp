// The push button under Wine: a form with two buttons driven by real window
// messages, its faces read back from the button's surface and from what its
// window shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "controls/command_skin_ids.h"
#include "controls/win32_command.h"
#include "runtime/win32_form.h"
#include "runtime/win32_program.h"

namespace zelvane {
namespace {

using rt::Colour;
using rt::Rgb;

constexpr int kWidth = 77;  // pixels
constexpr int kHeight = 25;
constexpr int kMiddle = kWidth / 2;
constexpr Colour kFormColour = Rgb(0, 128, 0);

// Skin colours the ring shows (rows counted from the top of the face).
constexpr Colour kOutline = Rgb(0x00, 0x3C, 0x74);
constexpr Colour kNormalTopInner = Rgb(0xF3, 0xF3, 0xEE);
constexpr Colour kHighLightTopInner = Rgb(0xFF, 0xF0, 0xCF);
constexpr Colour kHighLightBottomInner = Rgb(0xE5, 0x97, 0x00);
constexpr Colour kSelectedTopInner = Rgb(0xCE, 0xE7, 0xFF);
constexpr Colour kPressedAboveOutline = Rgb(0xE0, 0xDC, 0xC9);
constexpr Colour kDisableOutline = Rgb(0xC9, 0xC7, 0xBA);
constexpr Colour kDisableInner = Rgb(0xF5, 0xF4, 0xEA);

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
    Cmd_Cancel.Click = [this] { ++cancelClicks; };
  }

  int setClicks = 0;
  int cancelClicks = 0;
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

// A pixel of a skin image as the program holds it.
Colour SkinPixel(int resource, int x, int y) {
  HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0,
                             0, LR_CREATEDIBSECTION);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const Colour colour = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return colour;
}

// The corners are copied unscaled: the face's 4 x 4 corner cells are the
// skin's.
void ExpectCornersOf(Command& button, int resource, int width, int height) {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(Face(button, c, r), SkinPixel(resource, c, r));
      EXPECT_EQ(Face(button, width - 4 + c, r), SkinPixel(resource, 60 + c, r));
      EXPECT_EQ(Face(button, width - 4 + c, height - 4 + r), SkinPixel(resource, 60 + c, 21 + r));
      EXPECT_EQ(Face(button, c, height - 4 + r), SkinPixel(resource, c, 21 + r));
    }
  }
}

int Channel(Colour c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}

// The face's gradient on row y, where row 0 has the top colour and row
// height - 1 the bottom one.
void ExpectGradientRow(Command& button, int y, bool inverted) {
  const int white[3] = {255, 255, 255}, lavender[3] = {198, 197, 215};
  const int* top = inverted ? lavender : white;
  const int* bottom = inverted ? white : lavender;
  const Colour shown = Face(button, kMiddle, y);
  for (int i = 0; i < 3; ++i) {
    const int expected = top[i] + (bottom[i] - top[i]) * y / (kHeight - 1);
    EXPECT_NEAR(Channel(shown, 8 * i), expected, 2) << "row " << y << " channel " << i;
  }
}

// What the button's window shows, caption included.
class Shown {
 public:
  explicit Shown(HWND window) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~Shown() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Colour At(int x, int y) const { return GetPixel(dc_, x, y); }
  bool Contains(Colour colour) const {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (At(x, y) == colour) return true;
      }
    }
    return false;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

class CommandTest : public testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    SetFocus(form.hWnd());
  }
  void TearDown() override { form.Unload(); }

  ButtonForm form;
  Command& button = form.Cmd_Set;
};

TEST_F(CommandTest, LoadedFromItsBagItShowsTheIdleFaceWithItsCaption) {
  EXPECT_EQ(button.Caption(), L"設定");
  EXPECT_EQ(button.Font(), kDialogFont);
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
  EXPECT_EQ(Face(button, 1, 12), kOutline);                 // left edge, stretched
  EXPECT_EQ(Face(button, kWidth - 2, 12), kOutline);        // right edge
  EXPECT_EQ(Face(button, kMiddle, 1), kOutline);            // top edge, stretched
  EXPECT_EQ(Face(button, kMiddle, kHeight - 2), kOutline);  // bottom edge
  EXPECT_EQ(Face(button, kMiddle, 2), kNormalTopInner);
  ExpectCornersOf(button, IDB_COMMAND_NORMAL, kWidth, kHeight);
  ExpectGradientRow(button, 4, false);
  ExpectGradientRow(button, kHeight - 5, false);
  EXPECT_TRUE(Shown(button.hWnd()).Contains(rt::kBlack));  // the caption's text
}

TEST_F(CommandTest, HoverPressReleaseWithTheMouse) {
  const HWND window = button.hWnd();
  SendMessageW(window, WM_MOUSEMOVE, 0, At(kMiddle, 10));  // over the caption
  EXPECT_EQ(button.Behaviour().ButtonState(), 2);
  EXPECT_EQ(Face(button, kMiddle, 2), kHighLightTopInner);
  EXPECT_EQ(Face(button, kMiddle, kHeight - 3), kHighLightBottomInner);
  ExpectGradientRow(button, 4, true);

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 20));
  EXPECT_EQ(GetFocus(), window);  // a press takes the focus
  EXPECT_EQ(button.Behaviour().ButtonState(), 4);
  EXPECT_EQ(Face(button, kMiddle, 1), kPressedAboveOutline);
  EXPECT_EQ(Face(button, kMiddle, 2), kOutline);
  EXPECT_EQ(form.setClicks, 0);

  SendMessageW(window, WM_LBUTTONUP, 0, At(60, 20));
  EXPECT_EQ(form.setClicks, 1);
  EXPECT_EQ(Face(button, kMiddle, 2), kHighLightTopInner);
  ExpectGradientRow(button, 4, true);  // kept from the pointer-over face

  SetFocus(form.hWnd());
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
  EXPECT_EQ(Face(button, kMiddle, 2), kNormalTopInner);
  EXPECT_EQ(form.cancelClicks, 0);
}

TEST_F(CommandTest, AReleaseAfterThePointerLeftRaisesNoClick) {
  const HWND window = button.hWnd();
  RECT place;
  GetWindowRect(window, &place);
  SetCursorPos(place.left + 30, place.top + 12);
  SendMessageW(window, WM_MOUSEMOVE, 0, At(30, 12));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 12));
  PumpFor(350);  // the pointer watch sees the pointer still over the button
  EXPECT_EQ(button.Behaviour().ButtonState(), 4);

  SetCursorPos(place.left - 5, place.top + 12);  // over the form
  PumpFor(350);
  EXPECT_EQ(button.Behaviour().ButtonState(), 3);
  EXPECT_EQ(Face(button, kMiddle, 2), kSelectedTopInner);
  SendMessageW(window, WM_LBUTTONUP, 0, At(-5, 12));
  EXPECT_EQ(form.setClicks, 0);
}

TEST_F(CommandTest, ADisabledButtonShowsDisableIgnoresTheMouseAndStillTakesTheFocus) {
  button.SetEnabled(false);
  EXPECT_FALSE(button.Enabled());
  EXPECT_TRUE(IsWindowEnabled(button.hWnd()));
  EXPECT_EQ(Face(button, 1, 12), kDisableOutline);
  EXPECT_EQ(Face(button, kMiddle, 2), kDisableInner);
  {
    const Shown shown(button.hWnd());
    EXPECT_FALSE(shown.Contains(rt::kBlack));
    EXPECT_TRUE(shown.Contains(GetSysColor(COLOR_GRAYTEXT)));
  }

  SendMessageW(button.hWnd(), WM_MOUSEMOVE, 0, At(30, 12));
  SendMessageW(button.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(30, 12));
  EXPECT_EQ(GetFocus(), button.hWnd());
  SendMessageW(button.hWnd(), WM_LBUTTONUP, 0, At(30, 12));
  EXPECT_EQ(form.setClicks, 0);
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
  EXPECT_EQ(Face(button, 1, 12), kDisableOutline);

  button.SetEnabled(true);
  EXPECT_EQ(Face(button, 1, 12), kOutline);
  EXPECT_TRUE(Shown(button.hWnd()).Contains(rt::kBlack));
}

TEST_F(CommandTest, TabMovesTheFocusToTheNextButton) {
  button.SetFocus();
  EXPECT_EQ(Face(button, kMiddle, 2), kSelectedTopInner);
  PostMessageW(button.hWnd(), WM_KEYDOWN, VK_TAB, 0);
  PumpFor(100);
  EXPECT_EQ(GetFocus(), form.Cmd_Cancel.hWnd());
  EXPECT_EQ(form.Cmd_Cancel.Behaviour().ButtonState(), 3);
  EXPECT_EQ(button.Behaviour().ButtonState(), 1);
}

TEST_F(CommandTest, ATransparentFaceShowsOnlyTheCaptionOnTheForm) {
  button.SetVisible(0);
  EXPECT_EQ(button.Visible(), 0);
  const Shown shown(button.hWnd());
  EXPECT_EQ(shown.At(2, 2), kFormColour);
  EXPECT_TRUE(shown.Contains(rt::kBlack));
  EXPECT_EQ(button.Save().Size(), 3u);  // Caption, Font, Visible
}

TEST_F(CommandTest, AResizeRedrawsTheRingAndTheCaptionAtTheNewSize) {
  button.Move(button.Left(), button.Top(), rt::PixelsToTwips(8), rt::PixelsToTwips(8));
  ExpectCornersOf(button, IDB_COMMAND_NORMAL, 8, 8);  // the corners meet
  button.Move(button.Left(), button.Top(), rt::PixelsToTwips(kWidth), rt::PixelsToTwips(kHeight));
  EXPECT_EQ(Face(button, kMiddle, 1), kOutline);
  EXPECT_EQ(Face(button, kWidth - 2, 12), kOutline);
}

// Prints what one whole repaint (clear, gradient, eight pieces, two presents)
// costs; every state change makes one.
TEST_F(CommandTest, RepaintCostIsMeasured) {
  constexpr int kRepaints = 200;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRepaints; ++i) button.SetEnabled(true);
  QueryPerformanceCounter(&end);
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart) / kRepaints;
  std::printf("one repaint of a %d x %d button: %.3f ms\n", kWidth, kHeight, ms);
}

}  // namespace
}  // namespace zelvane
