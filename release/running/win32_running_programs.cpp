#include "win32_running_programs.h"

#include <tlhelp32.h>

#include <algorithm>

#include "image_path.h"

namespace zelvane {
namespace {

// A path with its short (8.3) names expanded, as far as the file exists.
std::wstring LongPath(const std::wstring& path) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return path;
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.resize(length);
  }
}

std::wstring ImagePath(HANDLE process) {
  std::wstring buffer(32768, L'\0');
  DWORD length = static_cast<DWORD>(buffer.size());
  if (!QueryFullProcessImageNameW(process, 0, buffer.data(), &length)) return {};
  return LongPath(buffer.substr(0, length));
}

HANDLE OpenProgram(DWORD processId) {
  constexpr DWORD kQuery = PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE;
  // Without the right to end it (another user's process), it is still found.
  HANDLE handle = OpenProcess(kQuery | PROCESS_TERMINATE, FALSE, processId);
  return handle ? handle : OpenProcess(kQuery, FALSE, processId);
}

BOOL CALLBACK PostCloseToWindowsOf(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(processId)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

bool HasEnded(HANDLE process, DWORD waitMs) {
  return WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
}

// Waits for each process until the one deadline passes.
void WaitForEnds(const std::vector<RunningProgram>& programs, DWORD totalMs) {
  const ULONGLONG deadline = GetTickCount64() + totalMs;
  for (const RunningProgram& program : programs) {
    const ULONGLONG now = GetTickCount64();
    HasEnded(program.handle.get(), now < deadline ? static_cast<DWORD>(deadline - now) : 0);
  }
}

}  // namespace

std::vector<RunningProgram> FindRunningPrograms(const std::vector<std::wstring>& files) {
  std::vector<std::wstring> wanted;
  for (const std::wstring& file : files) wanted.push_back(LongPath(file));

  std::vector<RunningProgram> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    ProcessHandle process(OpenProgram(entry.th32ProcessID));
    if (!process) continue;
    const std::wstring image = ImagePath(process.get());
    const bool ours = !image.empty() && std::any_of(wanted.begin(), wanted.end(), [&](auto& w) {
      return SameImagePath(image, w);
    });
    if (ours && !HasEnded(process.get(), 0)) {
      found.push_back({entry.th32ProcessID, std::move(process)});
    }
  }
  CloseHandle(snapshot);
  return found;
}

bool CloseRunningPrograms(const std::vector<std::wstring>& files, DWORD graceMs) {
  // A saver ended while it starts its renderer may leave one more to find.
  constexpr int kRounds = 3;
  constexpr DWORD kEndWaitMs = 5000;
  for (int round = 0; round < kRounds; ++round) {
    const std::vector<RunningProgram> running = FindRunningPrograms(files);
    if (running.empty()) return true;
    for (const RunningProgram& program : running) {
      EnumWindows(PostCloseToWindowsOf, static_cast<LPARAM>(program.processId));
    }
    WaitForEnds(running, graceMs);
    for (const RunningProgram& program : running) {
      if (!HasEnded(program.handle.get(), 0)) TerminateProcess(program.handle.get(), 1);
    }
    WaitForEnds(running, kEndWaitMs);
  }
  return FindRunningPrograms(files).empty();
}

}  // namespace zelvane
