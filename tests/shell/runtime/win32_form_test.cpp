// The runtime's forms under Wine: a small form with every kind of control, a
// timer and a user control, and a second form shown modally.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/ansi_text.h"
#include "runtime/control_array.h"
#include "runtime/program_facts.h"
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

// A user control like the shell's button: a caption label whose mouse input
// goes to the control, a property bag and a Click event.
class TestButton : public UserControl {
 public:
  using UserControl::UserControl;

  std::function<void()> Click;
  std::vector<std::string> events;
  std::wstring caption;
  FontSpec font;
  std::int64_t colour = 0;

  Label LblMsg{*this, {0, 60, 1200, 195}, L"Command"};

 protected:
  void UserControl_ReadProperties(PropertyBag& bag) override {
    caption = ToText(bag.ReadProperty(L"Caption", L"Command1"));
    font = ToFont(bag.ReadProperty(L"Font", AmbientFont()));
    colour = ToWholeNumber(bag.ReadProperty(L"FontColour", L"0"));
    events.push_back("read");
  }
  void UserControl_WriteProperties(PropertyBag& bag) override {
    bag.WriteProperty(L"Caption", caption, L"Command");
    bag.WriteProperty(L"Font", font, AmbientFont());
    bag.WriteProperty(L"FontColour", colour, L"0");
  }
  void UserControl_Resize() override {
    events.push_back("resize");
    Canvas().Clear();
    Canvas().FillBox(0, 0, Canvas().ScaleWidth(), Canvas().ScaleHeight(), kGreen);
    Refresh();
  }
  void UserControl_GotFocus() override { events.push_back("focus"); }
  void UserControl_LostFocus() override { events.push_back("blur"); }
  void UserControl_MouseDown(const MouseEvent& e) override {
    events.push_back("down" + std::to_string(e.button));
  }
  void UserControl_MouseUp(const MouseEvent& e) override {
    events.push_back("up" + std::to_string(e.button));
    if (Click) Click();
  }

 private:
  bool wired_ = [this] {
    LblMsg.MouseDown = [this](const MouseEvent& e) { UserControl_MouseDown(e); };
    LblMsg.MouseUp = [this](const MouseEvent& e) { UserControl_MouseUp(e); };
    return true;
  }();
};

// Closes itself after a while, whatever the runtime's own timers do.
class ModalForm : public Form {
 public:
  ModalForm() : Form(Layout()) {}

 protected:
  void Form_Load() override { SetTimer(hWnd(), 1, 300, &ModalForm::CloseSoon); }

 private:
  static FormLayout Layout() {
    FormLayout layout;
    layout.caption = L"Runtime modal";
    layout.border = BorderStyle::kFixedDialog;
    return layout;
  }
  static void CALLBACK CloseSoon(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
};

class TestForm : public Form {
 public:
  TestForm() : Form(Layout()) {
    Timer1.Tick = [this] { Timer1_Timer(); };
    lbl_Open.Click = [this] { lbl_Open_Click(); };
    Img_Opt.Add(0, *this, PixelBounds(100, 10, 10, 10), SolidPicture(4, 4, kBlue));
    Img_Opt.Add(1, *this, PixelBounds(120, 10, 10, 10));
    Img_Opt.Connect(&Image::MouseDown,
                    [this](int index, const MouseEvent&) { pressedImage = index; });
    Cmb_List.Click = [this] { comboClicks.push_back(Cmb_List.Text()); };
  }

  static FormLayout Layout() {
    FormLayout layout;
    layout.caption = L"<ゼルヴェイン試験>";
    layout.border = BorderStyle::kFixedDialog;
    layout.clientWidth = PixelsToTwips(200);
    layout.clientHeight = PixelsToTwips(120);
    layout.appearance.backColour = kWhite;
    layout.appearance.unit = ScaleMode::kPixels;
    return layout;
  }

  std::vector<std::string> log;
  int resizes = 0;
  int ticks = 0;
  int deepestTick = 0;
  int pressedImage = -1;
  bool cancelUnload = false;
  std::vector<std::wstring> comboClicks;
  ModalForm modal;

  Label lbl_Open{*this, PixelBounds(10, 10, 60, 13), L"開く"};
  ControlArray<Image> Img_Opt;
  Shape Shape1{*this, PixelBounds(5, 5, 70, 20)};
  LineControl Line1{*this, 0, PixelsToTwips(100), PixelsToTwips(50), PixelsToTwips(100)};
  PictureBox Pic_C{*this, PixelBounds(10, 40, 60, 30), Appearance{kRed, {}, ScaleMode::kTwips}};
  ComboBox Cmb_List{Pic_C, PixelBounds(5, 5, 40, 20)};
  TestButton Cmd_Ok{*this, PixelBounds(100, 40, 80, 25), PropertyBag{{L"Caption", L"設定"}}};
  Timer Timer1{*this, 30, true};

 protected:
  void Form_Load() override {
    log.push_back(IsWindowVisible(hWnd()) ? "load-visible" : "load");
    Cmb_List.AddItem(L"");
    Cmb_List.AddItem(L"1");
    Cmb_List.AddItem(L"2");
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

 private:
  void Timer1_Timer() {
    ++ticks;
    deepestTick = std::max(deepestTick, Handlers().Depth());
  }
  void lbl_Open_Click() {
    log.push_back("click");
    modal.Show(ShowMode::kModal);
    log.push_back("modal-returned");
  }
};

void ClickAt(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
}

TEST(Form, LoadCreatesTheWindowHiddenAndResizesOnce) {
  TestForm form;
  form.Load();
  ASSERT_TRUE(IsWindow(form.hWnd()));
  EXPECT_FALSE(IsWindowVisible(form.hWnd()));
  EXPECT_EQ(form.log, (std::vector<std::string>{"load", "resize"}));
  EXPECT_EQ(form.ScaleWidth(), 200);
  EXPECT_EQ(form.ScaleHeight(), 120);

  form.Move(form.Left(), form.Top(), form.Width() + PixelsToTwips(20), form.Height());
  EXPECT_EQ(form.resizes, 2);
  EXPECT_EQ(form.ScaleWidth(), 220);
  form.Move(0, 0);  // a move is no resize
  form.Move(0, 0, form.Width(), form.Height());
  EXPECT_EQ(form.resizes, 2);
  form.Unload();
}

TEST(Form, CaptionIsTheTitleThatWindowLookupsSee) {
  TestForm form;
  form.Load();
  EXPECT_EQ(FindWindowW(nullptr, L"<ゼルヴェイン試験>"), form.hWnd());
  // The "A" lookup works wherever the system's code page can spell the title.
  const std::string ansi = ToAnsi(form.Caption());
  if (FromAnsi(ansi) == form.Caption()) {
    EXPECT_EQ(FindWindowA(nullptr, ansi.c_str()), form.hWnd());
  } else {
    EXPECT_NE(GetACP(), 932u);
  }
  form.SetCaption(L"Zelvane_Main");
  EXPECT_EQ(FindWindowA(nullptr, "Zelvane_Main"), form.hWnd());
  form.Unload();
  EXPECT_EQ(FindWindowA(nullptr, "Zelvane_Main"), nullptr);
}

TEST(Form, UnloadAsksThenUnloadsThenDestroys) {
  TestForm form;
  form.Load();
  const HWND window = form.hWnd();
  form.log.clear();
  form.cancelUnload = true;
  form.Unload();
  EXPECT_TRUE(form.IsLoaded());
  form.cancelUnload = false;
  SendMessageW(window, WM_CLOSE, 0, 0);  // the close box
  EXPECT_EQ(form.log, (std::vector<std::string>{"query", "query", "unload"}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(IsWindow(form.Cmd_Ok.hWnd()));

  form.Load();  // a form can be loaded again
  EXPECT_TRUE(IsWindow(form.Cmd_Ok.hWnd()));
  form.Unload();
}

TEST(Timer, TicksArriveAndStopWhenDisabled) {
  TestForm form;
  form.Load();
  PumpFor(400);
  EXPECT_GE(form.ticks, 3);
  EXPECT_EQ(form.deepestTick, 1);
  form.Timer1.SetEnabled(false);
  const int ticks = form.ticks;
  PumpFor(200);
  EXPECT_EQ(form.ticks, ticks);
  form.Unload();
}

TEST(Form, ModalShowDisablesTheOtherFormsUntilItIsUnloaded) {
  TestForm form;
  form.Show();
  form.modal.Load();
  // Read while the modal form is up, from its own message loop.
  SetTimer(form.modal.hWnd(), 2, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND other = FindWindowW(nullptr, L"<ゼルヴェイン試験>");
    SetPropW(other, L"seen-enabled", reinterpret_cast<HANDLE>(IsWindowEnabled(other) ? 2 : 1));
  });
  const int ticks = form.ticks;
  form.modal.Show(ShowMode::kModal);
  EXPECT_FALSE(form.modal.IsLoaded());
  EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(form.hWnd(), L"seen-enabled")), 1);
  RemovePropW(form.hWnd(), L"seen-enabled");
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_GT(form.ticks, ticks);  // shown from outside any handler: ticks go on
  form.Unload();
}

TEST(Timer, TicksAreDroppedWhileAHandlerWaitsForAModalForm) {
  TestForm form;
  form.Show();
  PumpFor(100);
  const int before = form.ticks;
  const int dropped = Handlers().DroppedTicks();
  ClickAt(form.hWnd(), 15, 15);  // lbl_Open: its click handler shows the modal form
  EXPECT_EQ(form.log.back(), "modal-returned");
  EXPECT_EQ(form.ticks, before);
  EXPECT_GT(Handlers().DroppedTicks(), dropped);
  EXPECT_EQ(form.deepestTick, 1);
  PumpFor(200);
  EXPECT_GT(form.ticks, before);
  form.Unload();
}

TEST(Surface, WhatWasDrawnSurvivesARepaint) {
  TestForm form;
  form.Show();
  form.Canvas().FillBox(150, 80, 190, 110, kRed);
  form.Refresh();
  InvalidateRect(form.hWnd(), nullptr, FALSE);
  UpdateWindow(form.hWnd());
  EXPECT_EQ(ShownAt(form.hWnd(), 170, 95), kRed);
  EXPECT_EQ(form.Canvas().Point(170, 95), kRed);
  // The image shows its 4 x 4 picture unscaled; the form shows around it.
  EXPECT_EQ(ShownAt(form.hWnd(), 101, 11), kBlue);
  EXPECT_EQ(ShownAt(form.hWnd(), 107, 17), kWhite);
  // The picture box keeps its own surface; the user control its face.
  EXPECT_EQ(ShownAt(form.Pic_C.hWnd(), 55, 25), kRed);
  EXPECT_EQ(ShownAt(form.Cmd_Ok.hWnd(), 2, 2), kGreen);
  form.Canvas().Clear();
  EXPECT_EQ(form.Canvas().Point(170, 95), kWhite);
  form.Unload();
}

TEST(Surface, APictureGivenBeforeTheWindowExistsIsShown) {
  TestForm form;
  PictureBox Pic_Late{form, PixelBounds(10, 80, 30, 20),
                      Appearance{kWhite, {}, ScaleMode::kPixels}};
  Pic_Late.SetPicture(SolidPicture(20, 10, kBlue));
  form.Canvas().FillBox(0, 0, 3, 3, kRed);  // drawn on the form before it has a size
  form.Show();
  Pic_Late.Refresh();
  EXPECT_EQ(Pic_Late.Canvas().Point(19, 9), kBlue);
  EXPECT_EQ(ShownAt(Pic_Late.hWnd(), 5, 5), kBlue);
  EXPECT_EQ(ShownAt(Pic_Late.hWnd(), 25, 15), kWhite);
  // What was drawn stays where it fits; the rest shows the back colour.
  EXPECT_EQ(form.Canvas().Point(0, 0), kRed);
  EXPECT_EQ(form.Canvas().Point(150, 100), kWhite);
  form.Unload();
}

// Dark pixels that the form shows in the given client rectangle.
int DarkPixelsIn(const Form& form, RECT area) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 120);
  HGDIOBJ old = SelectObject(dc, bitmap);
  form.Compose(dc, 0, 0);
  int dark = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) dark += GetRValue(GetPixel(dc, x, y)) < 128;
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return dark;
}

TEST(Label, WithoutWordWrapACaptionStaysOnOneLine) {
  TestForm form;
  Label lbl_Wide{form, PixelBounds(10, 80, 30, 13), L"WWW WWW WWW"};
  form.Show();
  // Wrapped, the words after the first go to lines below, cut off.
  const RECT own{10, 80, 40, 93}, right{40, 80, 200, 93};
  EXPECT_GT(DarkPixelsIn(form, own), 0);
  EXPECT_EQ(DarkPixelsIn(form, right), 0);
  lbl_Wide.SetWordWrap(false);
  EXPECT_GT(DarkPixelsIn(form, right), 0);
  form.Unload();
}

TEST(Container, EveryControlIsVisitedWithThoseInsidePictureBoxes) {
  TestForm form;
  std::vector<const Control*> seen;
  form.ForEachControl([&](Control& c) { seen.push_back(&c); });
  // The button's own caption label is a part of the button, not of the form.
  const std::vector<const Control*> expected = {&form.lbl_Open,   &form.Shape1,    &form.Line1,
                                                &form.Pic_C,      &form.Cmb_List,  &form.Cmd_Ok,
                                                &form.Img_Opt(0), &form.Img_Opt(1)};
  EXPECT_EQ(seen, expected);
}

TEST(Container, TabReachesTheControlsInsideAPictureBox) {
  TestForm form;
  form.Show();
  form.Cmd_Ok.SetFocus();
  ASSERT_EQ(GetFocus(), form.Cmd_Ok.hWnd());
  MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.hWnd(), &tab));
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == form.Cmb_List.hWnd() || IsChild(form.Cmb_List.hWnd(), focus));
  form.Unload();
}

TEST(Controls, WindowlessControlsTakeTheMouseOnTheirArea) {
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
  form.Unload();
}

TEST(Controls, ComboBoxListAndEvents) {
  TestForm form;
  form.Load();
  ComboBox& combo = form.Cmb_List;
  EXPECT_EQ(combo.ListCount(), 3);
  combo.SetText(L"5");
  EXPECT_EQ(combo.Text(), L"5");
  EXPECT_EQ(combo.ListIndex(), -1);
  combo.SetListIndex(2);
  EXPECT_EQ(combo.Text(), L"2");
  EXPECT_THROW(combo.SetListIndex(3), RuntimeError);
  // The user picks an item: the Click handler already reads the item's text.
  SendMessageW(combo.hWnd(), CB_SETCURSEL, 1, 0);
  SendMessageW(form.Pic_C.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.hWnd()));
  EXPECT_EQ(form.comboClicks, (std::vector<std::wstring>{L"2", L"1"}));
  combo.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(combo.hWnd()));
  form.Unload();
}

TEST(UserControl, ReadsItsBagResizesAndSavesOnlyWhatDiffers) {
  TestForm form;
  form.Load();
  TestButton& button = form.Cmd_Ok;
  EXPECT_EQ(button.events, (std::vector<std::string>{"read", "resize"}));
  EXPECT_EQ(button.caption, L"設定");
  EXPECT_EQ(button.font, form.Font());  // the ambient font, as nothing was stored

  button.Move(button.Left(), button.Top(), PixelsToTwips(90), button.Height());
  EXPECT_EQ(button.events.back(), "resize");

  PropertyBag saved = button.Save();
  EXPECT_EQ(saved.Size(), 1u);
  button.caption = L"Command";
  button.colour = 0xFF;
  saved = button.Save();
  EXPECT_FALSE(saved.Contains(L"caption"));
  EXPECT_EQ(ToWholeNumber(saved.ReadProperty(L"FONTCOLOUR", L"0")), 0xFF);
  form.Unload();
}

TEST(UserControl, APressFocusesItFirstAndTheCaptionForwardsTheMouse) {
  TestForm form;
  form.Show();
  TestButton& button = form.Cmd_Ok;
  int clicks = 0;
  button.Click = [&] { ++clicks; };
  button.events.clear();
  ClickAt(button.hWnd(), 70, 20);  // the face
  ClickAt(button.hWnd(), 10, 6);   // the caption label
  EXPECT_EQ(button.events, (std::vector<std::string>{"focus", "down1", "up1", "down1", "up1"}));
  EXPECT_EQ(clicks, 2);
  SetFocus(form.hWnd());
  EXPECT_EQ(button.events.back(), "blur");
  form.Unload();
}

TEST(ProgramFacts, ArgumentsFolderAndScreen) {
  const std::wstring arguments = CommandArguments();
  EXPECT_EQ(arguments.find(L"runtime_form_test"), std::wstring::npos);
  const std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  EXPECT_NE(GetFileAttributesW((folder + L"\\runtime_form_test.exe").c_str()),
            INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ScreenWidthTwips(), GetSystemMetrics(SM_CXSCREEN) * kTwipsPerPixel);
  EXPECT_EQ(kApplicationTitle, L"ゼルヴェイン (ScreenSaver)");
}

// The program ends once Main has returned and its last form has gone.
TestForm* g_programForm = nullptr;

void MainThatLeavesAFormBehind() {
  g_programForm->Load();
  g_programForm->Timer1.Tick = [] { g_programForm->Unload(); };
}

TEST(Program, RunsUntilMainHasReturnedAndNoFormIsLoaded) {
  TestForm form;
  g_programForm = &form;
  EXPECT_EQ(RunProgram(&MainThatLeavesAFormBehind), 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.log.back(), "unload");
}

}  // namespace
}  // namespace zelvane::rt
