// The runtime's forms under Wine: a small form with a timer, a user control and
// controls inside a picture box, a second form shown modally, and failing
// handlers. Loading, drawing, pictures, clicks on windowless controls, typing
// into a combo box and the close box are checked on the settings dialog end to
// end.
#include <gtest/gtest.h>

#include <functional>
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

constexpr const wchar_t* kCaption = L"<ゼルヴェイン試験>";

// Handles messages for ms, or until done() holds (a loaded machine may be slow).
void PumpFor(
    DWORD ms, const std::function<bool()>& done = [] { return false; }) {
  for (const DWORD end = GetTickCount() + ms; static_cast<LONG>(end - GetTickCount()) > 0;) {
    if (done()) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    DoEvents();
  }
}

// A user control like the shell's button, with a caption label of its own.
struct TestButton : UserControl {
  using UserControl::UserControl;
  Label LblMsg{*this, {0, 60, 1200, 195}, L"Command"};
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
  void Form_Load() override {
    SetTimer(hWnd(), 1, 300, [](HWND window, UINT, UINT_PTR id, DWORD) {
      KillTimer(window, id);
      PostMessageW(window, WM_CLOSE, 0, 0);
    });
  }
};

class TestForm : public Form {
 public:
  TestForm() : Form(DialogLayout(kCaption)) {
    Timer1.Tick = [this] {
      ++ticks;
      deepestTick = std::max(deepestTick, Handlers().Depth());
      if (failing) throw RuntimeError("every tick fails");
    };
    lbl_Open.Click = [this] {
      modal.Show(ShowMode::kModal);
      log.push_back("modal-returned");
    };
    Img_Opt.Add(0, *this, PixelBounds(100, 10, 10, 10));
    Cmb_List.Click = [this] { comboClicks.push_back(Cmb_List.Text()); };
  }

  std::vector<std::string> log;
  int ticks = 0, deepestTick = 0;
  bool failing = false;
  std::vector<std::wstring> comboClicks;
  ModalForm modal;

  Label lbl_Open{*this, PixelBounds(10, 10, 60, 13), L"開く"};
  ControlArray<Image> Img_Opt;
  PictureBox Pic_C{*this, PixelBounds(10, 40, 60, 30)};
  ComboBox Cmb_List{Pic_C, PixelBounds(5, 5, 40, 20)};
  TestButton Cmd_Ok{*this, PixelBounds(100, 40, 80, 25)};
  Timer Timer1{*this, 30, true};

 protected:
  void Form_Load() override {
    log.push_back(IsWindowVisible(hWnd()) ? "load-visible" : "load");
    for (const wchar_t* item : {L"", L"1", L"2"}) Cmb_List.AddItem(item);
    if (failing) throw RuntimeError("a load step fails");
  }
  void Form_Resize() override { log.push_back("resize"); }
  void Form_QueryUnload(Flag&, UnloadMode mode) override {
    log.push_back("query" + std::to_string(static_cast<int>(mode)));
  }
  void Form_Unload(Flag&) override { log.push_back(IsWindow(hWnd()) ? "unload" : "unload late"); }
};

TEST(Timer, TicksUntilDisabledAndNeverInsideAHandlerWaitingForAModalForm) {
  TestForm form;
  form.Show();
  PumpFor(3000, [&] { return form.ticks >= 3; });
  EXPECT_GE(form.ticks, 3);
  // The click handler shows the modal form: the form below is disabled, and
  // its ticks are dropped until the handler returns.
  SetTimer(form.modal.hWnd(), 2, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND other = FindWindowW(nullptr, kCaption);
    SetPropW(other, L"seen-enabled", reinterpret_cast<HANDLE>(IsWindowEnabled(other) ? 2 : 1));
  });
  const int before = form.ticks;
  const int dropped = Handlers().DroppedTicks();
  SendMessageW(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
  SendMessageW(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
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

// Controls inside picture boxes are visited and reached by Tab; a picked item
// is the combo box's text already when its Click handler runs.
TEST(Container, VisitsTabsIntoAndPassesInputToControlsInsidePictureBoxes) {
  TestForm form;
  std::vector<const Control*> seen;
  form.ForEachControl([&](Control& c) { seen.push_back(&c); });
  // The button's own caption label is a part of the button, not of the form.
  EXPECT_EQ(seen, (std::vector<const Control*>{&form.lbl_Open, &form.Pic_C, &form.Cmb_List,
                                               &form.Cmd_Ok, &form.Img_Opt(0)}));
  form.Show();
  form.Cmd_Ok.SetFocus();
  MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.hWnd(), &tab));
  EXPECT_TRUE(GetFocus() == form.Cmb_List.hWnd() || IsChild(form.Cmb_List.hWnd(), GetFocus()));

  ComboBox& combo = form.Cmb_List;
  combo.SetText(L"5");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_THROW(combo.SetListIndex(3), RuntimeError);
  SendMessageW(combo.hWnd(), CB_SETCURSEL, 1, 0);
  SendMessageW(form.Pic_C.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.hWnd()));
  EXPECT_EQ(form.comboClicks, std::vector<std::wstring>{L"1"});
  form.Unload();
}

// Errors stay inside their handlers. A preview-style form made a child of
// another program's window is unloaded with it, and its handlers are told.
TEST(Form, SurvivesFailingHandlersAndUnloadsWhenThePlatformDestroysItsParent) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 152, 112, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  TestForm form;
  form.failing = true;
  form.Load();
  PumpFor(3000, [&] { return form.ticks >= 3; });
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
