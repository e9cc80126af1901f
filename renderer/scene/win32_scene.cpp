// The OpenGL scene (win32_scene.h); the drawing is in gl_field_drawing.cpp,
// the neutral choices in pixel_format_choice, glow_shape and frame_pacing.
#include "scene/win32_scene.h"

#include <vector>

#include "common/failure_trace.h"
#include "field/random_generator.h"
#include "main/frame_pacing.h"
#include "scene/field_step.h"
#include "scene/glow_shape.h"
#include "scene/pixel_format_choice.h"

namespace {
constexpr int kDiscardedRandomValues = 20;

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

void Scene::Open(HWND window, uint32_t seed, const RendererSettings& settings,
                 PixelFormatSetter setPixelFormat) {
  Close();
  window_ = window;
  settings_ = settings;
  field_ = FieldState{};
  SeedRandom(field_.randomState, seed);
  for (int i = 0; i < kDiscardedRandomValues; ++i) NextRandom(field_.randomState);

  deviceContext_ = GetDC(window);
  setPixelFormat(deviceContext_);
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

  GlowTexture texture;
  BuildGlowTexture(texture);
  const auto halfSize = static_cast<float>(settings_.particleSize * 0.005);
  SetUpFieldDrawing(client.right - client.left, client.bottom - client.top, texture, halfSize);
  glowBatch_ = GlowBatch(halfSize, BoundingGlowShape(texture));
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

void Scene::Render(GlowDrawing drawing) {
  MakeCurrent();
  DrawField(field_, settings_, glowBatch_, drawing);
}

void Scene::StepUnseen() {
  NullPointDrawer drawer;
  StepField(field_, settings_, drawer);
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
