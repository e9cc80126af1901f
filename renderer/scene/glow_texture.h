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

// The glow as it is uploaded: four bytes a texel, red, green and blue each the
// glow's texel and alpha opaque. Modulating a colour with it gives what the
// luminance texel gives, and software OpenGL samples 8-bit RGBA texels on a
// faster path than one-channel ones.
inline constexpr int kRgbaChannels = 4;

using GlowTextureRgba = std::array<uint8_t, kGlowTextureSize * kGlowTextureSize * kRgbaChannels>;

void ExpandGlowTexture(const GlowTexture& glow, GlowTextureRgba& rgba);

inline uint8_t GlowTexel(const GlowTexture& texture, int row, int column) {
  return texture[row * kGlowTextureSize + column];
}
