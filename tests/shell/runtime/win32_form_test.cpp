// The runtime's forms under Wine: a small form with every kind of control, a
// timer and a user control, a second form shown modally, and one that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/control_array.h"
#include "runtime/win32_combo_box.h"
#include "runtime/win32_form.h"
#include "runtime/win32_graphics.h"
#include "runtime/win32_label.h"
#include "runtime/win32_picture_box.h"
#include "runtime/win32_program.h"
#include "runtime/win32_timer.h"
#include "runtime/win32_user_control.h"

namespace zelvane::rt {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 128, 0);
constexpr const wchar_t* kCaption = L"<ゼルヴェイン試験>";

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (DWORD now = GetTickCount(); static_cast<LONG>(end - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    DoEvents();
  }
}

Picture SolidPicture(int width, int height, Colour colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return Picture::FromBitmap(bitmap);
}

// What the window shows at a client point, read back from the screen.
Colour ShownAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

void ClickAt(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
}

// A user control like the shell's button: a face of its own and a caption label.
class TestButton : public UserControl {
 public:
  using UserControl::UserControl;
  Label LblMsg{*this, {0, 60, 1200, 195}, L"Command"};

 protected:
  void UserControl_Resize() override {
    Canvas().FillBox(0, 0, Canvas().ScaleWidth(), Canvas().ScaleHeight(), kGreen);
    Refresh();
  }
};

FormLayout DialogLayout(const wchar_t* caption) {
  FormLayout layout;
  layout.caption = caption;
  layout.border = BorderStyle::kFixedDialog;
  return layout;
}

// Closes itself after a while, whatever the runtime's own timers do.
class ModalForm : public Form {
 public:
  ModalForm() : Form(DialogLayout(L"Runtime modal")) {}

 protected:
  void Form_Load() override { SetTimer(hWnd(), 1, 300, &ModalForm::CloseSoon); }

 private:
  static void CALLBACK CloseSoon(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
};

class TestForm : public Form {
 public:
  TestForm() : Form(Layout()) {
    Timer1.Tick = [this] {
      ++ticks;
      deepestTick = std::max(deepestTick, Handlers().Depth());
    };
    lbl_Open.Click = [this] {
      modal.Show(ShowMode::kModal);
      log.push_back("modal-returned");
    };
    Img_Opt.Add(0, *this, PixelBounds(100, 10, 10, 10), SolidPicture(4, 4, kBlue));
    Img_Opt.Add(1, *this, PixelBounds(120, 10, 10, 10));
    Img_Opt.Connect(&Image::MouseDown,
                    [this](int index, const MouseEvent&) { pressedImage = index; });
    Cmb_List.Click = [this] { comboClicks.push_back(Cmb_List.Text()); };
  }

  static FormLayout Layout() {
    FormLayout layout = DialogLayout(kCaption);
    layout.clientWidth = PixelsToTwips(200);
    layout.clientHeight = PixelsToTwips(120);
    layout.appearance.backColour = kWhite;
    layout.appearance.unit = ScaleMode::kPixels;
    return layout;
  }

  std::vector<std::string> log;
  int resizes = 0, ticks = 0, deepestTick = 0, pressedImage = -1;
  bool cancelUnload = false;
  std::vector<std::wstring> comboClicks;
  ModalForm modal;

  Label lbl_Open{*this, PixelBounds(10, 10, 60, 13), L"開く"};
  ControlArray<Image> Img_Opt;
  Shape Shape1{*this, PixelBounds(5, 5, 70, 20)};
  PictureBox Pic_C{*this, PixelBounds(10, 40, 60, 30), Appearance{kRed, {}, ScaleMode::kTwips}};
  ComboBox Cmb_List{Pic_C, PixelBounds(5, 5, 40, 20)};
  TestButton Cmd_Ok{*this, PixelBounds(100, 40, 80, 25)};
  Timer Timer1{*this, 30, true};

 protected:
  void Form_Load() override {
    log.push_back(IsWindowVisible(hWnd()) ? "load-visible" : "load");
    for (const wchar_t* item : {L"", L"1", L"2"}) Cmb_List.AddItem(item);
  }
  void Form_Resize() override {
    ++resizes;
    log.push_back("resize");
  }
  void Form_QueryUnload(Flag& cancel, UnloadMode) override {
    log.push_back(IsWindow(hWnd()) ? "query" : "query-without-window");
    cancel = ToFlag(cancelUnload);
  }
  void Form_Unload(Flag&) override {
    log.push_back(IsWindow(hWnd()) ? "unload" : "unload-without-window");
  }
};

TEST(Form, LoadsHiddenResizesOnSizeChangesAndUnloadsWhenNotCancelled) {
  TestForm form;
  form.Load();
  const HWND window = form.hWnd();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(FindWindowW(nullptr, kCaption), window);
  EXPECT_EQ(form.ScaleWidth(), 200);
  EXPECT_EQ(form.ScaleHeight(), 120);
  form.Move(form.Left(), form.Top(), form.Width() + PixelsToTwips(20), form.Height());
  EXPECT_EQ(form.ScaleWidth(), 220);
  form.Move(0, 0);  // a move is no resize
  form.Move(0, 0, form.Width(), form.Height());
  EXPECT_EQ(form.resizes, 2);

  form.SetCaption(L"Zelvane_Main");
  EXPECT_EQ(FindWindowA(nullptr, "Zelvane_Main"), window);
  form.cancelUnload = true;
  form.Unload();
  EXPECT_TRUE(form.IsLoaded());
  form.cancelUnload = false;
  SendMessageW(window, WM_CLOSE, 0, 0);  // the close box
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"load", "resize", "resize", "query", "query", "unload"}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(form.Cmd_Ok.hWnd()));
  EXPECT_EQ(FindWindowA(nullptr, "Zelvane_Main"), nullptr);

  form.Load();  // a form can be loaded again
  EXPECT_TRUE(IsWindow(form.Cmd_Ok.hWnd()));
  form.Unload();
}

TEST(Timer, TicksUntilDisabledAndNeverInsideAHandlerWaitingForAModalForm) {
  TestForm form;
  form.Show();
  PumpFor(300);
  EXPECT_GE(form.ticks, 3);
  // The click handler shows the modal form: the form below is disabled, and
  // its ticks are dropped until the handler returns.
  SetTimer(form.modal.hWnd(), 2, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND other = FindWindowW(nullptr, kCaption);
    SetPropW(other, L"seen-enabled", reinterpret_cast<HANDLE>(IsWindowEnabled(other) ? 2 : 1));
  });
  const int before = form.ticks;
  const int dropped = Handlers().DroppedTicks();
  ClickAt(form.hWnd(), 15, 15);
  EXPECT_EQ(form.log.back(), "modal-returned");
  EXPECT_FALSE(form.modal.IsLoaded());
  EXPECT_EQ(reinterpret_cast<INT_PTR>(RemovePropW(form.hWnd(), L"seen-enabled")), 1);
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_EQ(form.ticks, before);
  EXPECT_GT(Handlers().DroppedTicks(), dropped);
  EXPECT_EQ(form.deepestTick, 1);

  form.Timer1.SetEnabled(false);
  PumpFor(200);
  EXPECT_EQ(form.ticks, before);
  form.Unload();
}

TEST(Surface, WhatWasDrawnSurvivesARepaintAndAPictureGivenEarlyIsShown) {
  TestForm form;
  PictureBox Pic_Late{form, PixelBounds(10, 80, 30, 20),
                      Appearance{kWhite, {}, ScaleMode::kPixels}};
  Pic_Late.SetPicture(SolidPicture(20, 10, kBlue));
  form.Canvas().FillBox(0, 0, 3, 3, kRed);  // drawn on the form before it has a size
  form.Show();
  form.Canvas().FillBox(150, 80, 190, 110, kRed);
  form.Refresh();
  InvalidateRect(form.hWnd(), nullptr, FALSE);
  UpdateWindow(form.hWnd());
  Pic_Late.Refresh();
  const struct {
    HWND window;
    int x, y;
    Colour shown;
  } cases[] = {
      {form.hWnd(), 170, 95, kRed},
      {form.hWnd(), 101, 11, kBlue},  // the image's 4 x 4 picture, unscaled
      {form.hWnd(), 107, 17, kWhite},
      {Pic_Late.hWnd(), 5, 5, kBlue},
      {Pic_Late.hWnd(), 25, 15, kWhite},
      {form.Pic_C.hWnd(), 55, 25, kRed},
      {form.Cmd_Ok.hWnd(), 2, 2, kGreen},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownAt(c.window, c.x, c.y), c.shown) << c.x << "," << c.y;
  EXPECT_EQ(form.Canvas().Point(0, 0), kRed);
  form.Canvas().Clear();
  EXPECT_EQ(form.Canvas().Point(170, 95), kWhite);
  form.Unload();
}

TEST(Container, VisitsAndTabsIntoTheControlsInsidePictureBoxes) {
  TestForm form;
  std::vector<const Control*> seen;
  form.ForEachControl([&](Control& c) { seen.push_back(&c); });
  // The button's own caption label is a part of the button, not of the form.
  EXPECT_EQ(seen,
            (std::vector<const Control*>{&form.lbl_Open, &form.Shape1, &form.Pic_C, &form.Cmb_List,
                                         &form.Cmd_Ok, &form.Img_Opt(0), &form.Img_Opt(1)}));
  form.Show();
  form.Cmd_Ok.SetFocus();
  MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.hWnd(), &tab));
  EXPECT_TRUE(GetFocus() == form.Cmb_List.hWnd() || IsChild(form.Cmb_List.hWnd(), GetFocus()));
  form.Unload();
}

TEST(Controls, WindowlessImagesAndComboBoxTakeTheirInput) {
  TestForm form;
  form.Show();
  ClickAt(form.hWnd(), 125, 15);
  EXPECT_EQ(form.pressedImage, 1);
  ClickAt(form.hWnd(), 105, 12);
  EXPECT_EQ(form.pressedImage, 0);
  form.Img_Opt(0).SetVisible(false);
  form.pressedImage = -1;
  ClickAt(form.hWnd(), 105, 12);
  EXPECT_EQ(form.pressedImage, -1);

  ComboBox& combo = form.Cmb_List;
  combo.SetText(L"5");
  EXPECT_EQ(combo.ListIndex(), -1);
  combo.SetListIndex(2);
  EXPECT_EQ(combo.Text(), L"2");
  EXPECT_THROW(combo.SetListIndex(3), RuntimeError);
  // The user picks an item: the Click handler already reads the item's text.
  SendMessageW(combo.hWnd(), CB_SETCURSEL, 1, 0);
  SendMessageW(form.Pic_C.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.hWnd()));
  EXPECT_EQ(form.comboClicks, (std::vector<std::wstring>{L"2", L"1"}));

  form.Unload();
}

TEST(Picture, RefusesBytesThatAreNoPicture) {
  const char junk[] = "not a picture at all";
  EXPECT_THROW(Picture::FromEncoded(junk, sizeof junk), RuntimeError);
}

class FailingForm : public Form {
 public:
  FailingForm()
      : Form([] {
          FormLayout layout;
          layout.border = BorderStyle::kNone;
          return layout;
        }()) {
    Timer1.Tick = [this] {
      ++ticks;
      throw RuntimeError("every tick fails");
    };
  }
  std::vector<std::string> log;
  int ticks = 0;
  Timer Timer1{*this, 20, true};

 protected:
  void Form_Load() override {
    log.push_back("load");
    throw RuntimeError("a load step fails");
  }
  void Form_Resize() override { log.push_back("resize"); }
  void Form_QueryUnload(Flag&, UnloadMode mode) override {
    log.push_back("query" + std::to_string(static_cast<int>(mode)));
  }
  void Form_Unload(Flag&) override { log.push_back("unload"); }
};

// Errors stay inside their handlers. A preview-style form made a child of
// another program's window is unloaded with it, and its handlers are told.
TEST(Form, SurvivesFailingHandlersAndUnloadsWhenThePlatformDestroysItsParent) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 152, 112, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  FailingForm form;
  form.Load();
  PumpFor(200);
  EXPECT_GE(form.ticks, 3);
  EXPECT_FALSE(Handlers().Busy());
  SetWindowLongW(form.hWnd(), GWL_STYLE, GetWindowLongW(form.hWnd(), GWL_STYLE) | WS_CHILD);
  SetParent(form.hWnd(), parent);
  form.Move(0, 0, 152 * kTwipsPerPixel, 112 * kTwipsPerPixel);
  DestroyWindow(parent);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.log, (std::vector<std::string>{"load", "resize", "resize", "query2", "unload"}));
}

}  // namespace
}  // namespace zelvane::rt
