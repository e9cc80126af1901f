// The glow texture's texels. Platform-neutral; uploaded by win32_scene.cpp.
#pragma once

#include <array>
#include <cstdint>

// The soft round glow every trail point is drawn with: 64 x 64 luminance
// texels, row-major, brightest at the centre (32, 32) and falling to 0 at a
// distance of 32 texels.
inline constexpr int kGlowTextureSize = 64;

using GlowTexture = std::array<uint8_t, kGlowTextureSize * kGlowTextureSize>;

void BuildGlowTexture(GlowTexture& texture);

inline uint8_t GlowTexel(const GlowTexture& texture, int row, int column) {
  return texture[row * kGlowTextureSize + column];
}
