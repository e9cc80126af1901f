// A timer of a form or user control. Its ticks arrive as messages on the user-
// interface thread; a tick never runs inside another handler (it is dropped
// instead), so ticks never overlap one another or other handlers.
#pragma once

#include <windows.h>

#include <functional>

namespace zelvane::rt {

class Container;

class Timer {
 public:
  // An interval of 0 gives no ticks.
  Timer(Container& owner, unsigned intervalMs = 0, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetInterval(unsigned intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> Tick;

 private:
  friend class Container;
  // Starts or stops the platform timer to match the settings, once the owner's
  // window exists.
  void Sync();
  void Stop();
  void Fire();
  UINT_PTR Id() const { return id_; }

  Container& owner_;
  unsigned interval_;
  bool enabled_;
  bool running_ = false;
  UINT_PTR id_;
};

}  // namespace zelvane::rt
