// The runtime's forms under Wine: failing handlers and timers around a modal
// form, controls inside a picture box. The rest shows on the settings dialog
// and the preview end to end.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// Handles messages for ms, or until done() holds.
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
      throw RuntimeError("every tick fails");
    };
    lbl_Open.Click = [this] {
      modal.Show(ShowMode::kModal);
      modalReturned = true;
    };
    Cmb_List.Click = [this] { comboClicks.push_back(Cmb_List.Text()); };
  }

  int ticks = 0;
  bool modalReturned = false;
  std::vector<std::wstring> comboClicks;
  ModalForm modal;

  Label lbl_Open{*this, PixelBounds(10, 10, 60, 13), L"開く"};
  PictureBox Pic_C{*this, PixelBounds(10, 40, 60, 30)};
  ComboBox Cmb_List{Pic_C, PixelBounds(5, 5, 40, 20)};
  TestButton Cmd_Ok{*this, PixelBounds(100, 40, 80, 25)};
  Timer Timer1{*this, 30, true};

 protected:
  void Form_Load() override {
    for (const wchar_t* item : {L"", L"1", L"2"}) Cmb_List.AddItem(item);
    throw RuntimeError("a load step fails");
  }
};

// Errors stay inside their handlers: the form loads and its timer ticks on.
TEST(Timer, TicksUntilDisabledAndNeverInsideAHandlerWaitingForAModalForm) {
  TestForm form;
  form.Show();
  PumpFor(3000, [&] { return form.ticks >= 3; });
  EXPECT_GE(form.ticks, 3);
  EXPECT_FALSE(Handlers().Busy());
  // The click handler shows the modal form: ticks are dropped until it returns.
  const int before = form.ticks;
  const int dropped = Handlers().DroppedTicks();
  SendMessageW(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
  SendMessageW(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
  EXPECT_TRUE(form.modalReturned);
  EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
  EXPECT_EQ(form.ticks, before);
  EXPECT_GT(Handlers().DroppedTicks(), dropped);

  form.Timer1.SetEnabled(false);
  PumpFor(200);
  EXPECT_EQ(form.ticks, before);
  form.Unload();
}

// Controls inside picture boxes are reached by Tab; a picked item is the combo
// box's text already when its Click handler runs.
TEST(Container, TabsIntoAndPassesInputToControlsInsidePictureBoxes) {
  TestForm form;
  form.Show();
  form.Cmd_Ok.SetFocus();
  MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.hWnd(), &tab));
  EXPECT_TRUE(GetFocus() == form.Cmb_List.hWnd() || IsChild(form.Cmb_List.hWnd(), GetFocus()));

  SendMessageW(form.Cmb_List.hWnd(), CB_SETCURSEL, 1, 0);
  SendMessageW(form.Pic_C.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form.Cmb_List.hWnd()));
  EXPECT_EQ(form.comboClicks, std::vector<std::wstring>{L"1"});
  form.Unload();
}

}  // namespace
}  // namespace zelvane::rt
