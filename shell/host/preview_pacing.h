// When the live preview draws a frame: about 30 a second at most, none while
// nobody can see it. Platform-neutral; the frame loop is in
// win32_preview_field.cpp.
#pragma once

#include <cstdint>
#include <optional>

#include "main/frame_pacing.h"

namespace zelvane::host {

// The preview only decorates a settings page: half the field's designed rate
// looks smooth at its size and costs half as much.
inline constexpr int kPreviewFrameRate = 30;
// Rounded up, so that no second holds more frames than the rate.
inline constexpr int64_t kPreviewFramePeriod =
    (kPacingTicksPerSecond + kPreviewFrameRate - 1) / kPreviewFrameRate;

// The field moves one step per designed frame. Each preview frame takes the
// steps of the designed frames it stands for, so the preview moves as fast as
// the full screen does.
inline constexpr int kPreviewStepsPerFrame = kDesignedFrameRate / kPreviewFrameRate;
static_assert(kPreviewStepsPerFrame * kPreviewFrameRate == kDesignedFrameRate);

// Decides, pass by pass of the frame loop, whether a frame is drawn. Times are
// in the pacing unit (100 ns). After each frame the preview leaves the
// processor free for at least as long as the frame kept it busy, so it never
// takes more than half of it, even on a machine too slow for the rate.
class PreviewPacer {
 public:
  // Whether to draw a frame at `now`. `seen`: the preview is visible and the
  // displays are on; while it is not, no frame is drawn.
  bool ShouldDraw(int64_t now, bool seen);
  // The frame ShouldDraw allowed has been drawn; `now` is when it ended and
  // `busy` the processor time it took (less than its time on the clock when
  // other programs kept the processor).
  void FrameDrawn(int64_t now, int64_t busy);
  // When the next frame is due; nothing while the preview is not seen, when
  // only a message can change that.
  std::optional<int64_t> NextDue() const { return seen_ ? due_ : std::nullopt; }

 private:
  bool seen_ = false;
  std::optional<int64_t> due_;  // none before the first frame
  int64_t tick_ = 0;            // when the frame being drawn was due
};

}  // namespace zelvane::host
