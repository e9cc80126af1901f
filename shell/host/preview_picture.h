// The still picture the preview shows: a 152 x 112 JPEG stored in the shell
// program as the RCDATA resource PREVIEW.
#pragma once

#include "runtime/win32_picture.h"

namespace zelvane::host {

inline constexpr int kPreviewPictureWidth = 152;
inline constexpr int kPreviewPictureHeight = 112;

// The decoded picture; empty if the program holds none or it can't be decoded.
rt::Picture LoadPreviewPicture();

}  // namespace zelvane::host
