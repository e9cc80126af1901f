#include "host/win32_renderer_process.h"

#include "common/failure_trace.h"

namespace zelvane::host {
namespace {

// A job that ends every process in it when its last handle closes; null (and
// reported) when the platform refuses one.
HANDLE NewKillOnCloseJob() {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (!job) {
    ReportFailure("CreateJobObjectW for the renderer");
    return nullptr;
  }
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    ReportFailure("SetInformationJobObject for the renderer");
    CloseHandle(job);
    return nullptr;
  }
  return job;
}

// The renderer's process exit code when the host ends it.
constexpr UINT kEndedByHost = 1;

}  // namespace

RendererProcess::~RendererProcess() {
  if (job_) CloseHandle(job_);
  if (process_) CloseHandle(process_);
}

bool RendererProcess::Start(const std::wstring& path, std::wstring commandLine) {
  // The full path as the program name: the platform's search path is never
  // consulted, so no other program of that name can be started instead.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  // Held before its first instruction, so that it is in the job before it can
  // start anything or show a window.
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  process_ = process.hProcess;
  processId_ = process.dwProcessId;
  job_ = NewKillOnCloseJob();
  // Without the job the renderer still runs; only a killed shell would leave it.
  if (job_ && !AssignProcessToJobObject(job_, process_)) {
    ReportFailure("AssignProcessToJobObject for the renderer");
  }
  // The shell has no window the user sees; a program it starts may be refused
  // the foreground, and keys would then go to the program underneath.
  if (!AllowSetForegroundWindow(processId_)) ReportFailure("AllowSetForegroundWindow");
  if (ResumeThread(process.hThread) == static_cast<DWORD>(-1)) {
    ReportFailure("ResumeThread of the renderer");
    End();
  }
  CloseHandle(process.hThread);
  return true;
}

bool RendererProcess::HasEnded() const {
  return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool RendererProcess::HasWindowTitled(const wchar_t* title) const {
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title); window;
       window = FindWindowExW(nullptr, window, nullptr, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId_) return true;
  }
  return false;
}

void RendererProcess::End() {
  if (!HasEnded() && !TerminateProcess(process_, kEndedByHost)) {
    ReportFailure("TerminateProcess of the renderer");
  }
}

}  // namespace zelvane::host
