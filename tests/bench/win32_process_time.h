// The processor time of a benchmark's whole process.
#pragma once

#include <windows.h>

#include "main/frame_pacing.h"

// Seconds of processor time so far, OpenGL's worker threads included.
inline double ProcessSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / kPacingTicksPerSecond;
}
