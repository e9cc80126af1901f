#include "renderer_watch.h"

namespace zelvane::host {

RendererWatch::Verdict RendererWatch::Look(bool windowFound, bool processEnded,
                                           std::uint64_t nowMs) {
  if (!seen_) {
    // The look that first finds the window only records it.
    if (windowFound) {
      seen_ = true;
      return Verdict::kWatching;
    }
    return processEnded || nowMs - startMs_ >= kRendererAppearTimeoutMs ? Verdict::kNeverAppeared
                                                                        : Verdict::kWatching;
  }
  return windowFound ? Verdict::kWatching : Verdict::kRendererEnded;
}

}  // namespace zelvane::host
