// The OpenGL scene (win32_scene.h); neutral choices come from
// pixel_format_choice, glow_texture, glow_billboard, glow_batch and view_angle.
#include "scene/win32_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "common/failure_trace.h"
#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "main/frame_pacing.h"
#include "scene/glow_billboard.h"
#include "scene/glow_texture.h"
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

// Sets the current context's swap interval. False when the driver offers no
// swap interval control.
bool SetCurrentSwapInterval(int interval) {
  using SwapIntervalFunction = BOOL(WINAPI*)(int);
  const auto entry = reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT"));
  // Some drivers answer small bogus values instead of null for unknown names.
  const auto address = reinterpret_cast<INT_PTR>(entry);
  if (address == 0 || address == 1 || address == 2 || address == 3 || address == -1) return false;
  return reinterpret_cast<SwapIntervalFunction>(entry)(interval) != FALSE;
}

void SetProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double aspect = height != 0 ? static_cast<double>(width) / height : 1.0;
  gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
  glTranslatef(0.0f, 0.0f, -kEyeDistance);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void UploadGlowTexture() {
  GlowTexture texture;
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

void Scene::Open(HWND window, uint32_t seed, const RendererSettings& settings) {
  Close();
  window_ = window;
  settings_ = settings;
  field_ = FieldState{};
  SeedRandom(field_.randomState, seed);
  for (int i = 0; i < kDiscardedRandomValues; ++i) NextRandom(field_.randomState);

  deviceContext_ = GetDC(window);
  SelectPixelFormat(deviceContext_);
  renderContext_ = wglCreateContext(deviceContext_);
  if (renderContext_ == nullptr) zelvane::ReportFailure("wglCreateContext");
  RECT client{};
  GetClientRect(window, &client);
  if (!wglMakeCurrent(deviceContext_, renderContext_)) zelvane::ReportFailure("wglMakeCurrent");
  // The swap paces this display's frames where a whole number of its refreshes
  // lasts about 1/60 s; elsewhere it only waits for the next refresh.
  const int refreshRate = GetDeviceCaps(deviceContext_, VREFRESH);
  swapIntervalSet_ = SetCurrentSwapInterval(SwapIntervalForRefresh(refreshRate)) &&
                     SwapPacingInterval(refreshRate).has_value();

  SetProjection(client.right - client.left, client.bottom - client.top);
  glFrontFace(GL_CCW);
  glEnable(GL_CULL_FACE);
  // Every corner of a glow has the glow's colour, so nothing need be
  // interpolated across it: software OpenGL then shades each pixel faster.
  glShadeModel(GL_FLAT);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  UploadGlowTexture();
  const auto halfSize = static_cast<float>(settings_.particleSize * 0.005);
  CompileGlowList(halfSize);
  glowBatch_ = GlowBatch(halfSize);
  InitField(field_, settings_);
}

void Scene::MakeCurrent() {
  if (renderContext_ != nullptr && wglGetCurrentContext() != renderContext_) {
    wglMakeCurrent(deviceContext_, renderContext_);
  }
}

bool Scene::SetSwapInterval(int interval) {
  if (!IsOpen()) return false;
  MakeCurrent();
  return SetCurrentSwapInterval(interval);
}

void Scene::Resize(int width, int height) {
  if (!IsOpen()) return;
  MakeCurrent();
  SetProjection(width, height);
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

void Scene::Render(GlowDrawing drawing) {
  MakeCurrent();
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT);
  AdvanceViewAngle(field_, settings_.rotationSpeed);
  // Additive: overlapping glows add up and saturate towards white.
  glBlendFunc(GL_ONE, GL_ONE);
  glEnable(GL_BLEND);
  if (drawing == GlowDrawing::kBatched) {
    GlBatchedPointDrawer drawer{glowBatch_};
    for (Swarm& swarm : field_.swarms) UpdateSwarm(swarm, field_, drawer);
    drawer.Flush();
  } else {
    GlPointDrawer drawer;
    for (Swarm& swarm : field_.swarms) UpdateSwarm(swarm, field_, drawer);
  }
  glFlush();
}

void Scene::Present() {
  if (!IsOpen()) return;
  wglSwapLayerBuffers(deviceContext_, WGL_SWAP_MAIN_PLANE);
}

void Scene::Close() {
  if (!IsOpen()) return;
  DestroySwarms(field_);
  // The context is let go before the device context it was made current on.
  if (wglGetCurrentContext() == renderContext_) wglMakeCurrent(nullptr, nullptr);
  if (renderContext_ != nullptr) wglDeleteContext(renderContext_);
  renderContext_ = nullptr;
  if (deviceContext_ != nullptr) ReleaseDC(window_, deviceContext_);
  deviceContext_ = nullptr;
  window_ = nullptr;
}
