// The dismissal rules on Win32 windows: the cursor, the close request and the
// input stage of the saver's windows. The rules themselves are in dismissal.h.
#pragma once

#include <windows.h>

#include "input/dismissal.h"

// What the dismissal rules ask of a saver window, done on the real window:
// cursor position and hiding, and the close request posted to it.
class Win32SaverWindowActions final : public SaverWindowActions {
 public:
  explicit Win32SaverWindowActions(HWND window) : window_(window) {}

  ScreenPoint CursorPosition() override;
  void HideCursor() override;
  void PostCloseRequest() override;

 private:
  HWND window_;
};

// The input stage for a message to any window of the saver: user input
// requests the close of the field's window, and the password is asked with
// that window as the dialog's owner.
StageAnswer InputStageAnswer(DismissalState& state, HWND fieldWindow, UINT message, WPARAM wParam);
