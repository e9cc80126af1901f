// The renderer program started by the saver host. It lives only as long as
// its run: it is started inside a job that ends it when the shell's handle to
// the job closes, which happens however the shell ends, killed included.
#pragma once

#include <windows.h>

#include <string>

namespace zelvane::host {

class RendererProcess {
 public:
  RendererProcess() = default;
  RendererProcess(const RendererProcess&) = delete;
  RendererProcess& operator=(const RendererProcess&) = delete;
  // Ends the renderer, if it still runs, with the job.
  ~RendererProcess();

  // Starts the renderer at path with the whole commandLine, shown normally and
  // free to take the foreground, without waiting for it; false when it could
  // not be started.
  bool Start(const std::wstring& path, std::wstring commandLine);

  // True once the process has ended, or when none was started. Never waits.
  bool HasEnded() const;

  // Whether this renderer, and no other program, has a top-level window with
  // this title.
  bool HasWindowTitled(const wchar_t* title) const;

  // Ends the renderer at once if it still runs.
  void End();

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HANDLE job_ = nullptr;
};

}  // namespace zelvane::host
