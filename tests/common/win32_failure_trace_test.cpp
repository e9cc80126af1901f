// The failure trace's Windows reporter, under Wine: the debugger output is
// caught where the system raises it for a debugger.
#include "common/win32_failure_trace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/failure_trace.h"

namespace zelvane {
namespace {

// Not named by the MinGW headers: the wide debugger output of newer systems.
constexpr DWORD kWideDebugPrint = 0x4001000A;

std::string g_lastOutput;

// Keeps the text of each debugger output (its ANSI form) and lets the system go
// on as without a debugger.
LONG CALLBACK CatchDebuggerOutput(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
    g_lastOutput = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
  } else if (record.ExceptionCode == kWideDebugPrint && record.NumberParameters >= 4) {
    g_lastOutput = reinterpret_cast<const char*>(record.ExceptionInformation[3]);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

TEST(Win32FailureTrace, OneLineWithTheSystemsTextForTheLastErrorWhichItKeeps) {
  const PVOID handler = AddVectoredExceptionHandler(1, CatchDebuggerOutput);
  InstallWin32FailureTrace(L"test");
  const struct {
    DWORD lastError;
    const char* what;
    std::string head, tail;  // the system's text comes between them, if any
  } cases[] = {
      {ERROR_SUCCESS, "wglMakeCurrent", "Zelvane test: failure: wglMakeCurrent\n", ""},
      {ERROR_FILE_NOT_FOUND, "errors-suppressed step: x",
       "Zelvane test: failure: errors-suppressed step: x: ", " (error 2)\n"},
  };
  for (const auto& c : cases) {
    g_lastOutput.clear();
    SetLastError(c.lastError);
    ReportFailure(c.what);
    EXPECT_EQ(GetLastError(), c.lastError);
    if (c.tail.empty()) {
      EXPECT_EQ(g_lastOutput, c.head);
    } else {
      EXPECT_TRUE(g_lastOutput.starts_with(c.head) && g_lastOutput.ends_with(c.tail) &&
                  g_lastOutput.size() > c.head.size() + c.tail.size())
          << g_lastOutput;
    }
  }
  SetFailureReporter(nullptr);
  RemoveVectoredExceptionHandler(handler);
}

}  // namespace
}  // namespace zelvane
