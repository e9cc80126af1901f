// Draws the same frames of the particle field with the glows' shapes, natively
// with the system's OpenGL (GLX) on an X display, for an instruction count of
// each: run under callgrind, the inclusive counts of DrawSquareGlowFrames and
// DrawTightGlowFrames are the work of the same five frames drawn with the
// whole billboard square and with the tight square the renderer draws
// (measure_glow_fill.py).
// Mesa's software renderer rasterises in the calling thread with
// LP_NUM_THREADS=0, so all of that work is counted there.
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "scene/gl_field_drawing.h"
#include "scene/glow_shape.h"
#include "scene/view_angle.h"

namespace {
constexpr int kWidth = 1280, kHeight = 1024;
constexpr uint32_t kFieldSeed = 20240601;
// The field spreads out over its first steps; the frames measured come after.
constexpr int kStepsBefore = 300;
constexpr int kMeasuredFrames = 5;

void DrawFrames(FieldState field, GlowBatch& batch) {
  for (int frame = 0; frame < kMeasuredFrames; ++frame) {
    DrawField(field, kFixedRendererSettings, batch, GlowDrawing::kBatched);
    glFinish();
  }
}
}  // namespace

// Not inlined, so that callgrind counts each on its own.
[[gnu::noinline]] void DrawSquareGlowFrames(const FieldState& field, GlowBatch& batch) {
  DrawFrames(field, batch);
}
[[gnu::noinline]] void DrawTightGlowFrames(const FieldState& field, GlowBatch& batch) {
  DrawFrames(field, batch);
}

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "glow_fill_work: no X display\n");
    return 1;
  }
  // Double-buffered RGBA with a depth buffer, as the saver's pixel format.
  int attributes[] = {
      GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
      8,        GLX_DEPTH_SIZE,   24,           None};
  XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
  if (visual == nullptr) {
    std::fprintf(stderr, "glow_fill_work: no double-buffered RGBA visual\n");
    return 1;
  }
  const Window root = RootWindow(display, visual->screen);
  XSetWindowAttributes windowAttributes{};
  windowAttributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
  const Window window = XCreateWindow(display, root, 0, 0, kWidth, kHeight, 0, visual->depth,
                                      InputOutput, visual->visual, CWColormap, &windowAttributes);
  XMapWindow(display, window);
  const GLXContext context = glXCreateContext(display, visual, nullptr, True);
  glXMakeCurrent(display, window, context);

  GlowTexture texture;
  BuildGlowTexture(texture);
  const auto halfSize = static_cast<float>(kFixedRendererSettings.particleSize * 0.005);
  SetUpFieldDrawing(kWidth, kHeight, texture, halfSize);
  FieldState field;
  SeedRandom(field.randomState, kFieldSeed);
  InitField(field, kFixedRendererSettings);
  NullPointDrawer nothing;
  for (int step = 0; step < kStepsBefore; ++step) {
    AdvanceViewAngle(field, kFixedRendererSettings.rotationSpeed);
    for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, nothing);
  }
  static GlowBatch square(halfSize);
  static GlowBatch tight(halfSize, BoundingGlowShape(texture));
  // The software renderer compiles its shaders at the first frames; not counted.
  for (GlowBatch* batch : {&square, &tight}) {
    FieldState warmUp = field;
    DrawField(warmUp, kFixedRendererSettings, *batch, GlowDrawing::kBatched);
    glFinish();
  }
  DrawSquareGlowFrames(field, square);
  DrawTightGlowFrames(field, tight);
  std::printf("%d frames of %dx%d drawn with each glow shape, %s\n", kMeasuredFrames, kWidth,
              kHeight, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  glXMakeCurrent(display, None, nullptr);
  glXDestroyContext(display, context);
  XDestroyWindow(display, window);
  XFree(visual);
  XCloseDisplay(display);
  return 0;
}
