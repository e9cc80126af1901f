// The processes running one of the given program files, found by their image
// paths rather than by name, so that another product's file of the same name
// is never touched.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvane {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = std::unique_ptr<void, HandleCloser>;

struct RunningProgram {
  DWORD processId = 0;
  ProcessHandle handle;  // may lack the right to end the process
};

// Every process whose image is one of `files` (full paths; short names are
// expanded before comparing).
std::vector<RunningProgram> FindRunningPrograms(const std::vector<std::wstring>& files);

// Asks each such process to close (WM_CLOSE to its top-level windows), gives
// them `graceMs` to do so and ends those still running. Programs started
// meanwhile by the ones ended (a renderer started by its saver) are looked for
// again. True when none is left.
bool CloseRunningPrograms(const std::vector<std::wstring>& files, DWORD graceMs);

}  // namespace zelvane
