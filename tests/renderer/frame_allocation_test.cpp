// Counts every allocation and release of the program to show that drawing
// frames touches the heap not at all.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/view_angle.h"

namespace {
std::atomic<long> heapCalls{0};

struct NullDrawer {
  float sink = 0.0f;
  void SetColor(const float* rgb) { sink += rgb[0]; }
  void PushMatrix() {}
  void Translate(float x, float, float) { sink += x; }
  void Scale(float) {}
  void DrawGlow() {}
  void PopMatrix() {}
};
}  // namespace

void* operator new(std::size_t size) {
  ++heapCalls;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
  if (block != nullptr) ++heapCalls;
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}

TEST(FrameAllocation, DrawingFramesNeverTouchesTheHeap) {
  FieldState field;
  SeedRandom(field.randomState, 12345);
  InitField(field, kFixedRendererSettings);
  NullDrawer drawer;

  const long before = heapCalls.load();
  for (int frame = 0; frame < 2000; ++frame) {
    AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, drawer);
  }
  EXPECT_EQ(heapCalls.load() - before, 0);

  // The counter does see allocations.
  DestroySwarms(field);
  EXPECT_GT(heapCalls.load() - before, 0);
}
