// The live preview's frame decisions (preview_pacing.h).
#include "host/preview_pacing.h"

#include <algorithm>

namespace zelvane::host {

bool PreviewPacer::ShouldDraw(int64_t now, bool seen) {
  seen_ = seen;
  if (!seen || (due_ && now < *due_)) return false;
  // A frame a little late keeps to its tick, so the rate holds; one late by a
  // whole period or more (the preview was hidden, say) starts a new cadence
  // instead of catching up.
  tick_ = due_ && now - *due_ < kPreviewFramePeriod ? *due_ : now;
  return true;
}

void PreviewPacer::FrameDrawn(int64_t now, int64_t busy) {
  due_ = std::max(tick_ + kPreviewFramePeriod, now + busy);
}

}  // namespace zelvane::host
