// The program: its entry, its message loop and its end.
//
//   int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
//     return zelvane::rt::RunProgram(&Main);
//   }
//
// Main runs first, with no form loaded. The process ends when Main has returned
// and no form is loaded any more, or at once through EndProgram.
#pragma once

#include <windows.h>

#include "common/failure_trace.h"
#include "handler_gate.h"

namespace zelvane::rt {

using MainProcedure = void (*)();

// Runs main (an error it raises is dropped), then the message loop until no
// form is loaded. Returns the process exit status.
int RunProgram(MainProcedure main) noexcept;

// Ends the process at once, status 0; loaded forms are discarded without their
// unload handlers.
[[noreturn]] void EndProgram() noexcept;

// Handles the messages that are waiting, then returns.
void DoEvents();

// Waits for and handles one message; false when the program is quitting.
bool PumpMessage();

// The program-wide record of running handlers; every event handler and timer
// tick of the runtime passes through it.
HandlerGate& Handlers();

// Runs an event handler through the gate; an error it raises goes no further.
template <class F>
void RunHandler(F&& handler) noexcept {
  try {
    Handlers().RunHandler(handler);
  } catch (...) {
    ReportCurrentException("event handler");
  }
}

}  // namespace zelvane::rt
