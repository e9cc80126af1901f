#include "win32_timer.h"

#include "common/failure_trace.h"
#include "win32_container.h"
#include "win32_program.h"

namespace zelvane::rt {
namespace {

UINT_PTR NextTimerId() {
  static UINT_PTR next = 0x5A00;
  return ++next;
}

}  // namespace

Timer::Timer(Container& owner, unsigned intervalMs, bool enabled)
    : owner_(owner), interval_(intervalMs), enabled_(enabled), id_(NextTimerId()) {
  owner_.Register(this);
}

Timer::~Timer() {
  Stop();
  owner_.Unregister(this);
}

void Timer::SetInterval(unsigned intervalMs) {
  interval_ = intervalMs;
  Sync();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Sync();
}

void Timer::Sync() {
  HWND window = owner_.hWnd();
  if (window && enabled_ && interval_ > 0) {
    // Setting an existing timer again restarts its interval.
    running_ = SetTimer(window, id_, interval_, nullptr) != 0;
  } else {
    Stop();
  }
}

void Timer::Stop() {
  if (running_ && owner_.hWnd()) KillTimer(owner_.hWnd(), id_);
  running_ = false;
}

void Timer::Fire() {
  if (!enabled_ || !Tick) return;
  try {
    Handlers().RunTick(Tick);
  } catch (...) {
    ReportCurrentException("timer tick");
  }
}

}  // namespace zelvane::rt
