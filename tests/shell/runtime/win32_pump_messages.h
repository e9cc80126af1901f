// Handles a test thread's messages for a while: the forms' timers and input
// only act while their messages are handled.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/win32_program.h"

namespace zelvane::rt {

// Handles messages for ms, or until done() holds (a loaded machine may be slow).
inline void PumpFor(
    DWORD ms, const std::function<bool()>& done = [] { return false; }) {
  for (const DWORD end = GetTickCount() + ms; static_cast<LONG>(end - GetTickCount()) > 0;) {
    if (done()) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    DoEvents();
  }
}

}  // namespace zelvane::rt
