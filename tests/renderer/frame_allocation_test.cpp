// Counts every allocation and release of the program to show that drawing
// frames never touches the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/glow_batch.h"
#include "scene/view_angle.h"

namespace {
long heapCalls = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++heapCalls;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
  heapCalls += block != nullptr;
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}

TEST(FrameAllocation, DrawingFramesNeverTouchesTheHeap) {
  FieldState field;
  SeedRandom(field.randomState, 12345);
  InitField(field, kFixedRendererSettings);
  GlowTexture texture;
  BuildGlowTexture(texture);
  static GlowBatch batch(0.2f, BoundingGlowShape(texture));
  const long before = heapCalls;
  for (int frame = 0; frame < 2000; ++frame) {
    AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, batch);
    batch.Clear();
  }
  EXPECT_EQ(heapCalls, before);
  DestroySwarms(field);
  EXPECT_GT(heapCalls, before) << "the count does see the heap";
}
