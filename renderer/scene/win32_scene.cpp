// The OpenGL scene (win32_scene.h); neutral choices come from
// pixel_format_choice, glow_texture, glow_billboard, glow_batch and view_angle.
#include "scene/win32_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <ctime>
#include <vector>

#include "common/failure_trace.h"
#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "main/frame_pacing.h"
#include "main/win32_renderer_state.h"
#include "scene/glow_billboard.h"
#include "scene/pixel_format_choice.h"
#include "scene/view_angle.h"
#include "scene/win32_gl_point_drawer.h"

namespace {
constexpr int kDiscardedRandomValues = 20;
constexpr double kFieldOfViewDegrees = 100.0;
constexpr double kNearPlane = 0.01;
constexpr double kFarPlane = 200.0;
constexpr float kEyeDistance = 2.5f;

PixelFormatTraits TraitsOf(const PIXELFORMATDESCRIPTOR& descriptor) {
  return {.supportsOpenGl = (descriptor.dwFlags & PFD_SUPPORT_OPENGL) != 0,
          .drawsToWindow = (descriptor.dwFlags & PFD_DRAW_TO_WINDOW) != 0,
          .doubleBuffered = (descriptor.dwFlags & PFD_DOUBLEBUFFER) != 0,
          .rgba = descriptor.iPixelType == PFD_TYPE_RGBA,
          .genericFormat = (descriptor.dwFlags & PFD_GENERIC_FORMAT) != 0,
          .genericAccelerated = (descriptor.dwFlags & PFD_GENERIC_ACCELERATED) != 0,
          .colorBits = descriptor.cColorBits,
          .depthBits = descriptor.cDepthBits};
}

PIXELFORMATDESCRIPTOR DescriptorOf(const PixelFormatTraits& traits) {
  PIXELFORMATDESCRIPTOR descriptor{};
  descriptor.nSize = sizeof(descriptor);
  descriptor.nVersion = 1;
  descriptor.dwFlags = (traits.drawsToWindow ? PFD_DRAW_TO_WINDOW : 0) |
                       (traits.supportsOpenGl ? PFD_SUPPORT_OPENGL : 0) |
                       (traits.doubleBuffered ? PFD_DOUBLEBUFFER : 0);
  descriptor.iPixelType = traits.rgba ? PFD_TYPE_RGBA : PFD_TYPE_COLORINDEX;
  descriptor.cColorBits = static_cast<BYTE>(traits.colorBits);
  descriptor.cDepthBits = static_cast<BYTE>(traits.depthBits);
  return descriptor;
}

// Sets the swap interval that holds frames to the designed rate on this
// display. False when the driver offers no swap interval control.
bool SetSwapIntervalForDisplay(HDC deviceContext) {
  using SwapIntervalFunction = BOOL(WINAPI*)(int);
  const auto entry = reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT"));
  // Some drivers answer small bogus values instead of null for unknown names.
  const auto address = reinterpret_cast<INT_PTR>(entry);
  if (address == 0 || address == 1 || address == 2 || address == 3 || address == -1) return false;
  const int interval = SwapIntervalForRefresh(GetDeviceCaps(deviceContext, VREFRESH));
  return reinterpret_cast<SwapIntervalFunction>(entry)(interval) != FALSE;
}

void SetProjection(const RECT& client) {
  glViewport(client.left, client.top, client.right - client.left, client.bottom - client.top);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double aspect =
      client.bottom != 0 ? static_cast<double>(client.right) / client.bottom : 1.0;
  gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
  glTranslatef(0.0f, 0.0f, -kEyeDistance);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void UploadGlowTexture(GlowTexture& texture) {
  BuildGlowTexture(texture);
  GlowTextureRgba texels;
  ExpandGlowTexture(texture, texels);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kGlowTextureSize, kGlowTextureSize, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, texels.data());
}

// The billboard as two counter-clockwise triangles.
void CompileGlowList(float halfSize) {
  glNewList(kGlowListName, GL_COMPILE);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glBegin(GL_TRIANGLES);
  for (const int index : kBillboardTriangles) {
    const BillboardCorner& corner = kBillboardCorners[static_cast<size_t>(index)];
    glTexCoord2f(corner.s, corner.t);
    glVertex3f(corner.x * halfSize, corner.y * halfSize, 0.0f);
  }
  glEnd();
  glEndList();
}
}  // namespace

void SelectPixelFormat(HDC deviceContext) {
  std::vector<PixelFormatTraits> formats;
  PIXELFORMATDESCRIPTOR descriptor{};
  for (int index = 1;
       DescribePixelFormat(deviceContext, index, sizeof(descriptor), &descriptor) != 0; ++index) {
    formats.push_back(TraitsOf(descriptor));
  }
  const std::optional<int> best = ChooseBestPixelFormat(formats);
  if (best) {
    DescribePixelFormat(deviceContext, *best, sizeof(descriptor), &descriptor);
    if (!SetPixelFormat(deviceContext, *best, &descriptor))
      zelvane::ReportFailure("SetPixelFormat");
    return;
  }
  descriptor = DescriptorOf(kFallbackPixelFormat);
  if (!SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &descriptor), &descriptor)) {
    zelvane::ReportFailure("SetPixelFormat (fallback format)");
  }
}

void InitScene(HWND window) {
  RendererState& state = Renderer();
  SeedRandom(state.field.randomState, static_cast<uint32_t>(std::time(nullptr)));
  for (int i = 0; i < kDiscardedRandomValues; ++i) NextRandom(state.field.randomState);

  state.deviceContext = GetDC(window);
  SelectPixelFormat(state.deviceContext);
  state.renderContext = wglCreateContext(state.deviceContext);
  if (state.renderContext == nullptr) zelvane::ReportFailure("wglCreateContext");
  RECT client{};
  GetClientRect(window, &client);
  if (!wglMakeCurrent(state.deviceContext, state.renderContext)) {
    zelvane::ReportFailure("wglMakeCurrent");
  }
  state.swapIntervalSet = SetSwapIntervalForDisplay(state.deviceContext);

  SetProjection(client);
  glFrontFace(GL_CCW);
  glEnable(GL_CULL_FACE);
  // Every corner of a glow has the glow's colour, so nothing need be
  // interpolated across it: software OpenGL then shades each pixel faster.
  glShadeModel(GL_FLAT);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  UploadGlowTexture(state.glowTexture);
  const auto halfSize = static_cast<float>(state.settings.particleSize * 0.005);
  CompileGlowList(halfSize);
  state.glowBatch = GlowBatch(halfSize);
  InitField(state.field, state.settings);
}

void DrawGlowBatch(GlowBatch& batch) {
  if (batch.GlowCount() == 0) return;
  const GlowVertex* vertices = batch.Vertices();
  constexpr GLsizei kStride = sizeof(GlowVertex);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, kStride, &vertices->s);
  glColorPointer(3, GL_FLOAT, kStride, &vertices->r);
  glVertexPointer(3, GL_FLOAT, kStride, &vertices->x);
  glDrawArrays(GL_QUADS, 0, batch.GlowCount() * kVerticesPerGlow);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  batch.Clear();
}

void DrawFrame() {
  RenderFrame(GlowDrawing::kBatched);
  PresentFrame();
}

void RenderFrame(GlowDrawing drawing) {
  RendererState& state = Renderer();
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT);
  AdvanceViewAngle(state.field, state.settings.rotationSpeed);
  // Additive: overlapping glows add up and saturate towards white.
  glBlendFunc(GL_ONE, GL_ONE);
  glEnable(GL_BLEND);
  if (drawing == GlowDrawing::kBatched) {
    GlBatchedPointDrawer drawer{state.glowBatch};
    for (Swarm& swarm : state.field.swarms) UpdateSwarm(swarm, state.field, drawer);
    drawer.Flush();
  } else {
    GlPointDrawer drawer;
    for (Swarm& swarm : state.field.swarms) UpdateSwarm(swarm, state.field, drawer);
  }
  glFlush();
}

void PresentFrame() {
  wglSwapLayerBuffers(Renderer().deviceContext, WGL_SWAP_MAIN_PLANE);
}

void ReleaseScene(HWND window) {
  RendererState& state = Renderer();
  DestroySwarms(state.field);
  // The context is let go before the device context it was made current on.
  wglMakeCurrent(nullptr, nullptr);
  if (state.renderContext != nullptr) wglDeleteContext(state.renderContext);
  state.renderContext = nullptr;
  if (state.deviceContext != nullptr) ReleaseDC(window, state.deviceContext);
  state.deviceContext = nullptr;
}
