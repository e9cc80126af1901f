// What the settings dialog and the preview do not show end to end.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/failure_trace.h"

#include "runtime/errors_suppressed.h"
#include "runtime/win32_combo_box.h"
#include "runtime/win32_form.h"
#include "runtime/win32_graphics.h"
#include "runtime/win32_label.h"
#include "runtime/win32_picture_box.h"
#include "runtime/win32_program.h"
#include "runtime/win32_timer.h"
#include "win32_pump_messages.h"

namespace zelvane::rt {
namespace {

class TestForm : public Form {
 public:
  TestForm()
      : Form(
            FormLayout{L"<ゼルヴェイン試験>", BorderStyle::kFixedDialog, 4800, 3600, {}, nullptr}) {
    Timer1.Tick = [this] {
      ++ticks;
      throw RuntimeError("every tick fails");
    };
    Cmb_List.Click = [this] { comboClicks.push_back(Cmb_List.Text()); };
  }

  int ticks = 0;
  std::vector<std::wstring> comboClicks;
  PictureBox Pic_C{*this, PixelBounds(10, 40, 60, 30)};
  ComboBox Cmb_List{Pic_C, PixelBounds(5, 5, 40, 20)};
  Timer Timer1{*this, 30, true};

 protected:
  void Form_Load() override {
    for (const wchar_t* item : {L"", L"1", L"2"}) Cmb_List.AddItem(item);
    throw RuntimeError("a load step fails");
  }
};

// Errors stay inside their handlers: the form loads and its timer ticks on
// until disabled. A picked item is the combo box's text already when its Click
// handler runs, though the box sits inside a picture box.
TEST(Form, RunsThroughFailingHandlersAndPassesInputToControlsInsidePictureBoxes) {
  TestForm form;
  form.Show();
  PumpFor(3000, [&] { return form.ticks >= 3; });
  EXPECT_GE(form.ticks, 3);
  form.Timer1.SetEnabled(false);
  const int before = form.ticks;
  PumpFor(200);
  EXPECT_EQ(form.ticks, before);

  SendMessageW(form.Cmb_List.hWnd(), CB_SETCURSEL, 1, 0);
  SendMessageW(form.Pic_C.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form.Cmb_List.hWnd()));
  EXPECT_EQ(form.comboClicks, std::vector<std::wstring>{L"1"});
  form.Unload();
}

std::vector<std::string> reports;

// A container must outlive what it holds: one destroyed first says so. (The
// label left behind is never destroyed, as it would then use the gone box.)
TEST(Container, DestroyedBeforeAControlItHoldsReportsAFailure) {
  const FailureReporter previous =
      SetFailureReporter([](std::string_view what) { reports.emplace_back(what); });
  TestForm form;
  auto box = std::make_unique<PictureBox>(form, PixelBounds(0, 0, 20, 20));
  { Label inside(*box, PixelBounds(0, 0, 10, 10)); }
  box.reset();
  EXPECT_TRUE(reports.empty());
  box = std::make_unique<PictureBox>(form, PixelBounds(0, 0, 20, 20));
  new Label(*box, PixelBounds(0, 0, 10, 10));
  box.reset();
  EXPECT_EQ(reports.size(), 1u);
  SetFailureReporter(previous);
}

}  // namespace
}  // namespace zelvane::rt
