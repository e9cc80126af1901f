// The renderer program started by the saver host.
#pragma once

#include <windows.h>

#include <string>

namespace zelvane::host {

class RendererProcess {
 public:
  RendererProcess() = default;
  RendererProcess(const RendererProcess&) = delete;
  RendererProcess& operator=(const RendererProcess&) = delete;
  ~RendererProcess();

  // Starts the renderer at path, shown normally, without waiting for it; false
  // when it could not be started.
  bool Start(const std::wstring& path);

  // True once the process has ended, or when none was started. Never waits.
  bool HasEnded() const;

 private:
  HANDLE process_ = nullptr;
};

}  // namespace zelvane::host
