// The choice of an OpenGL pixel format from the device's formats.
// Platform-neutral; the formats are read and set in win32_scene.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

// What the choice of a pixel format looks at, taken from the system's
// description of each format.
struct PixelFormatTraits {
  bool supportsOpenGl = false;
  bool drawsToWindow = false;
  bool doubleBuffered = false;
  bool rgba = false;           // false: colour-index
  bool genericFormat = false;  // the system's software implementation
  bool genericAccelerated = false;
  int colorBits = 0;
  int depthBits = 0;
};

// The format asked of the system when none of the device's formats qualifies.
inline constexpr PixelFormatTraits kFallbackPixelFormat{.supportsOpenGl = true,
                                                        .drawsToWindow = true,
                                                        .doubleBuffered = true,
                                                        .rgba = true,
                                                        .colorBits = 24,
                                                        .depthBits = 24};

// Score of a format, or nothing if it cannot serve a double-buffered RGBA
// OpenGL window. Hardware formats score far above software ones; among those,
// colour and depth precision count.
std::optional<int> ScorePixelFormat(const PixelFormatTraits& format);

// The 1-based index of the best format (on equal scores the lower index), or
// nothing when no format qualifies and kFallbackPixelFormat is to be asked for.
std::optional<int> ChooseBestPixelFormat(std::span<const PixelFormatTraits> formats);
