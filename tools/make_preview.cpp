// Renders one frame of the particle field in software, as the renderer draws
// it (same simulation, glow texture, perspective and additive blending), and
// writes it as a binary PPM. make_preview.sh turns it into the shell's
// preview picture.
//
//   make_preview OUTPUT.ppm WIDTH HEIGHT FRAMES SEED
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "field/random_generator.h"
#include "field/swarm.h"
#include "field/swarm_step.h"
#include "main/renderer_settings.h"
#include "scene/glow_texture.h"
#include "scene/view_angle.h"

namespace {

// The renderer's projection: gluPerspective(100, aspect, 0.01, 200), then the
// eye moved 2.5 units back.
constexpr double kFieldOfViewDegrees = 100.0;
constexpr double kNearPlane = 0.01;
constexpr double kEyeDistance = 2.5;
constexpr int kDiscardedRandomValues = 20;

// Draws each glow billboard into a floating-point image, added to what is
// there. The billboard faces the eye, so it projects to an upright square.
class SoftwareDrawer {
 public:
  SoftwareDrawer(int width, int height, float halfSize)
      : width_(width), height_(height), halfSize_(halfSize), pixels_(3 * width * height, 0.0f) {
    BuildGlowTexture(glow_);
  }

  void SetColor(const float* rgb) {
    for (int i = 0; i < 3; ++i) colour_[i] = std::clamp(rgb[i], 0.0f, 1.0f);
  }
  void PushMatrix() { x_ = y_ = z_ = 0, scale_ = 1; }
  void Translate(float x, float y, float z) { x_ += x, y_ += y, z_ += z; }
  void Scale(float factor) { scale_ *= factor; }
  void PopMatrix() {}

  void DrawGlow() {
    const double depth = kEyeDistance - z_;  // distance in front of the eye
    if (depth < kNearPlane) return;
    const double f = 1.0 / std::tan(kFieldOfViewDegrees * M_PI / 360.0);
    const double aspect = static_cast<double>(width_) / height_;
    const double cx = (1.0 + f / aspect * x_ / depth) * width_ / 2;
    const double cy = (1.0 - f * y_ / depth) * height_ / 2;
    const double hx = f / aspect * halfSize_ * scale_ / depth * width_ / 2;
    const double hy = f * halfSize_ * scale_ / depth * height_ / 2;
    const int left = std::max(0, static_cast<int>(std::floor(cx - hx)));
    const int right = std::min(width_ - 1, static_cast<int>(std::ceil(cx + hx)));
    const int top = std::max(0, static_cast<int>(std::floor(cy - hy)));
    const int bottom = std::min(height_ - 1, static_cast<int>(std::ceil(cy + hy)));
    for (int py = top; py <= bottom; ++py) {
      const double v = (cy + hy - (py + 0.5)) / (2 * hy);
      if (v < 0 || v > 1) continue;
      for (int px = left; px <= right; ++px) {
        const double u = (px + 0.5 - (cx - hx)) / (2 * hx);
        if (u < 0 || u > 1) continue;
        const float glow = Sample(u, v);
        float* pixel = &pixels_[3 * (py * width_ + px)];
        for (int i = 0; i < 3; ++i) pixel[i] = std::min(1.0f, pixel[i] + colour_[i] * glow);
      }
    }
  }

  bool WritePpm(const char* path) const {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", width_, height_);
    for (float value : pixels_) std::fputc(static_cast<int>(std::lround(value * 255)), file);
    return std::fclose(file) == 0;
  }

 private:
  // Bilinear, with texel centres at (i + 0.5) / size, clamped at the edges.
  float Sample(double u, double v) const {
    const double s = u * kGlowTextureSize - 0.5, t = v * kGlowTextureSize - 0.5;
    const int s0 = static_cast<int>(std::floor(s)), t0 = static_cast<int>(std::floor(t));
    const double fs = s - s0, ft = t - t0;
    const auto texel = [&](int row, int column) {
      row = std::clamp(row, 0, kGlowTextureSize - 1);
      column = std::clamp(column, 0, kGlowTextureSize - 1);
      return GlowTexel(glow_, row, column) / 255.0;
    };
    const double value = (1 - ft) * ((1 - fs) * texel(t0, s0) + fs * texel(t0, s0 + 1)) +
                         ft * ((1 - fs) * texel(t0 + 1, s0) + fs * texel(t0 + 1, s0 + 1));
    return static_cast<float>(value);
  }

  int width_, height_;
  float halfSize_;
  std::vector<float> pixels_;
  GlowTexture glow_{};
  float colour_[3] = {};
  float x_ = 0, y_ = 0, z_ = 0, scale_ = 1;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s OUTPUT.ppm WIDTH HEIGHT FRAMES SEED\n", argv[0]);
    return 2;
  }
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const int frames = std::atoi(argv[4]);
  const RendererSettings settings = kFixedRendererSettings;

  FieldState field;
  SeedRandom(field.randomState, static_cast<uint32_t>(std::strtoul(argv[5], nullptr, 10)));
  for (int i = 0; i < kDiscardedRandomValues; ++i) NextRandom(field.randomState);
  InitField(field, settings);

  NullPointDrawer skip;  // simulates only, to let the trails develop
  for (int frame = 0; frame < frames; ++frame) {
    AdvanceViewAngle(field, settings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, skip);
  }
  SoftwareDrawer drawer(width, height, static_cast<float>(settings.particleSize * 0.005));
  AdvanceViewAngle(field, settings.rotationSpeed);
  for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, drawer);
  return drawer.WritePpm(argv[1]) ? 0 : 1;
}
