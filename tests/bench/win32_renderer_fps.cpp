// Runs the renderer's scene full screen for a while (10 s unless a number of
// seconds is given) and prints the frames per second it reached.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "main/win32_renderer_state.h"
#include "scene/win32_scene.h"

namespace {
HWND CreateFullScreenWindow() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"RendererFrameRate";
  if (RegisterClassW(&windowClass) == 0) return nullptr;
  return CreateWindowExW(WS_EX_TOPMOST, L"RendererFrameRate", L"RendererFrameRate",
                         WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv) {
  const double duration = argc > 1 ? std::atof(argv[1]) : 10.0;
  const HWND window = CreateFullScreenWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "renderer_fps: no window\n");
    return 1;
  }
  RendererState& state = Renderer();
  state.settings = kFixedRendererSettings;
  InitScene(window);

  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  long frames = 0;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    DrawFrame();
    ++frames;
    QueryPerformanceCounter(&now);
  } while (Seconds(start, now, frequency) < duration);

  const double elapsed = Seconds(start, now, frequency);
  std::printf("%ld frames in %.2f s at %dx%d: %.1f frames per second\n", frames, elapsed,
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), frames / elapsed);
  ReleaseScene(window);
  DestroyWindow(window);
  return 0;
}
