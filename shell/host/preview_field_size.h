// How large the live preview's field is drawn. Platform-neutral.
#pragma once

#include <optional>

namespace zelvane::host {

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The field covers what the parent window shows of the preview: the preview
// sits at the top left of the parent's client area and takes the parent's
// outer size, so the visible part is the smaller of the two in each direction.
// The field is projected at that part's aspect ratio, so the preview looks
// like the full screen made small. Nothing when the part is empty.
std::optional<PixelSize> LiveFieldSize(PixelSize preview, PixelSize parentClient);

}  // namespace zelvane::host
