// The live preview's field size (preview_field_size.h).
#include "host/preview_field_size.h"

#include <algorithm>

namespace zelvane::host {

std::optional<PixelSize> LiveFieldSize(PixelSize preview, PixelSize parentClient) {
  const PixelSize shown{std::min(preview.width, parentClient.width),
                        std::min(preview.height, parentClient.height)};
  if (shown.width <= 0 || shown.height <= 0) return std::nullopt;
  return shown;
}

}  // namespace zelvane::host
