// A form: a top-level window with controls and event handlers.
//
//   class Zelvane_S : public rt::Form {
//    public:
//     Zelvane_S() : Form({.caption = L"Zelvane_Main"}) { Timer3.Tick = [this] { Timer3_Timer(); };
//     }
//    private:
//     void Form_Load() override;
//     rt::Timer Timer3{*this, 500, true};
//   };
//
// Load creates the window hidden, creates the controls' windows, starts the
// enabled timers and runs Form_Load; Form_Resize runs once the size is first
// set and on every later change of the client size. Unload runs
// Form_QueryUnload, then Form_Unload, then destroys the window. Every handler
// runs with its errors kept inside it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "flags.h"
#include "win32_container.h"

namespace zelvane::rt {

enum class BorderStyle {
  kNone,         // no border and no title bar
  kFixedDialog,  // fixed size, title bar with a close box, no minimize or maximize box
  kSizable,      // an ordinary resizable window
};

enum class ShowMode { kModeless, kModal };

// Why a form is being unloaded.
enum class UnloadMode : std::int16_t {
  kControlMenu = 0,  // the close box or the window menu
  kCode = 1,         // Unload called by the program
  kWindows = 2,      // the session is ending
  kTaskManager = 3,
};

struct FormLayout {
  std::wstring caption;
  BorderStyle border = BorderStyle::kSizable;
  int clientWidth = 4800;   // twips
  int clientHeight = 3600;  // twips
  Appearance appearance;
  HICON icon = nullptr;
};

class Form : public Container {
 public:
  explicit Form(FormLayout layout);
  ~Form() override;

  void Load();
  // Loads the form if needed and shows it. A modal show disables the program's
  // other forms and returns once this form has been unloaded or hidden.
  void Show(ShowMode mode = ShowMode::kModeless);
  void Hide();
  void Unload(UnloadMode mode = UnloadMode::kCode);
  bool IsLoaded() const { return hWnd() != nullptr; }

  Form& ParentForm() override { return *this; }

  // The window title, as FindWindowW and FindWindowA see it.
  std::wstring Caption() const;
  void SetCaption(std::wstring_view caption);
  void SetIcon(HICON icon);

  // The outer place of the window on the screen, in twips.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Resize() {}
  // Setting cancel to a non-zero value keeps the form loaded.
  virtual void Form_QueryUnload(Flag& cancel, UnloadMode mode) {
    (void)cancel;
    (void)mode;
  }
  virtual void Form_Unload(Flag& cancel) { (void)cancel; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnResized() override;
  void OnWindowGone() override;

 private:
  RECT OuterRectFor(int left, int top, int clientWidthPx, int clientHeightPx) const;
  DWORD Style() const;
  DWORD ExStyle() const;

  FormLayout layout_;
  bool childrenReady_ = false;  // Form_Resize runs only once the controls exist
  bool resizeSeen_ = false;
  bool unloading_ = false;
};

}  // namespace zelvane::rt
