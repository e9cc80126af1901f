#include "host/win32_renderer_process.h"

#include <windows.h>

#include "host/renderer_launch.h"

namespace zelvane::host {

bool StartRendererProcess(const std::wstring& path) {
  // The full path as the program name: the platform's search path is never
  // consulted, so no other program of that name can be started instead.
  std::wstring commandLine = RendererCommandLine(path);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // The host never waits on the renderer; it watches for its window instead.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace zelvane::host
