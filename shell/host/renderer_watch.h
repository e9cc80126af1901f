// Watches over the renderer the saver host started: first until its window
// appears, then until it has gone. Only the window of that renderer's own
// process counts; a window of the same title left by another program would
// otherwise hold the run forever. A renderer whose window is never seen (its
// start failed, it hangs, or it was dismissed before the host's first look
// found it) must not keep the shell and its music running: the run ends as
// soon as the renderer process is known to have ended, and the wait for the
// window is bounded in any case, after which the renderer is ended too.
#pragma once

#include <cstdint>

namespace zelvane::host {

// How often the host looks for the renderer window.
inline constexpr unsigned kRendererWatchIntervalMs = 500;
// The title the renderer gives its window; the host knows the renderer's
// window by it and by the process it belongs to.
inline constexpr wchar_t kRendererWindowTitle[] = L"Zelvane_VC";
// How long the host waits for the renderer window to appear at all.
inline constexpr std::uint64_t kRendererAppearTimeoutMs = 15'000;

class RendererWatch {
 public:
  enum class Verdict {
    kWatching,       // nothing to do yet
    kRendererEnded,  // the window was seen and has gone: the run is over
    kNeverAppeared,  // the window was never seen and the renderer has ended or
                     // the wait ran out: the run is over, and a renderer that
                     // still runs is ended
  };

  explicit RendererWatch(std::uint64_t startMs) : startMs_(startMs) {}

  // One look for the renderer window at nowMs (a monotonic clock in ms):
  // windowFound tells whether the started renderer shows its window,
  // processEnded whether it has ended (or never started).
  Verdict Look(bool windowFound, bool processEnded, std::uint64_t nowMs);

 private:
  std::uint64_t startMs_;
  bool seen_ = false;
};

}  // namespace zelvane::host
