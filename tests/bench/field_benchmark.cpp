// One frame of the particle field with the fixed settings (2 swarms x 30
// particles x 8 points), drawing into a sink that does nothing.
#include <benchmark/benchmark.h>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/view_angle.h"

namespace {
struct SinkDrawer {
  void SetColor(const float* rgb) { benchmark::DoNotOptimize(rgb); }
  void PushMatrix() {}
  void Translate(float x, float y, float z) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
    benchmark::DoNotOptimize(z);
  }
  void Scale(float factor) { benchmark::DoNotOptimize(factor); }
  void DrawGlow() {}
  void PopMatrix() {}
};

void FieldFrame(benchmark::State& run) {
  FieldState field;
  SeedRandom(field.randomState, 20240601);
  InitField(field, kFixedRendererSettings);
  SinkDrawer drawer;
  for (auto _ : run) {
    AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, drawer);
    benchmark::ClobberMemory();
  }
  const auto& settings = kFixedRendererSettings;
  run.counters["points"] = benchmark::Counter(
      static_cast<double>(settings.swarmCount * settings.particlesPerSwarm * settings.trailLength) *
          run.iterations(),
      benchmark::Counter::kIsRate);
}
BENCHMARK(FieldFrame)->Unit(benchmark::kMicrosecond);
}  // namespace
