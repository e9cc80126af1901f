#include "host/win32_renderer_process.h"

#include "host/renderer_launch.h"

namespace zelvane::host {

RendererProcess::~RendererProcess() {
  if (process_) CloseHandle(process_);
}

bool RendererProcess::Start(const std::wstring& path) {
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
  CloseHandle(process.hThread);
  // Kept only to ask whether the renderer has ended; the host never waits on it.
  process_ = process.hProcess;
  return true;
}

bool RendererProcess::HasEnded() const {
  return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

}  // namespace zelvane::host
