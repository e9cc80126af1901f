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

// Keeps the ANSI text of each debugger output; the system goes on as without one.
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
  SetLastError(ERROR_SUCCESS);
  ReportFailure("wglMakeCurrent");
  EXPECT_EQ(g_lastOutput, "Zelvane test: failure: wglMakeCurrent\n");

  const std::string head = "Zelvane test: failure: step: x: ", tail = " (error 2)\n";
  SetLastError(ERROR_FILE_NOT_FOUND);
  ReportFailure("step: x");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(g_lastOutput.starts_with(head) && g_lastOutput.ends_with(tail) &&
              g_lastOutput.size() > head.size() + tail.size())
      << g_lastOutput;
  SetFailureReporter(nullptr);
  RemoveVectoredExceptionHandler(handler);
}

}  // namespace
}  // namespace zelvane
