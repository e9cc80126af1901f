// The failure trace's Windows reporter: each failure goes to the debugger
// output. The reporting itself is in failure_trace.h.
#pragma once

namespace zelvane {

// Installs the reporter that writes each failure as one line to the debugger
// output (OutputDebugStringW), headed "Zelvane <program>: failure: " and
// followed by the system's text for the thread's last error when there is
// one. `program` must live as long as the program.
void InstallWin32FailureTrace(const wchar_t* program) noexcept;

}  // namespace zelvane
