// Runs the renderer's scene full screen and prints, for each way of drawing,
// the frames per second it reached and the processor time per frame: a bare
// clear-and-swap loop, then the glows with a display-list call each and
// batched into one call, each with the frame pacing off and on, and the bare
// loop paced. Each run lasts 5 s unless a number of seconds is given.
//
// The bare loop's rate swings by a fifth from one run to the next on a shared
// machine, so the unpaced runs take turns over several rounds and the summary
// compares their medians.
#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "field/swarm.h"
#include "main/win32_frame_loop.h"
#include "scene/win32_scene.h"
#include "win32_process_time.h"

namespace {
// A paced run starts after this long, once the pacing has settled.
constexpr double kPacedWarmUpSeconds = 1.0;
// Every run, in every process, draws the same frames: the field grows from
// this seed and each measured run starts from the field as it was first built.
constexpr uint32_t kFieldSeed = 20240601;
constexpr int kUnpacedRounds = 3;
FieldState startField;
Scene scene;

int64_t runEnd = 0;
long frames = 0;

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

bool FrameCounted() {
  ++frames;
  if (PacingNow() >= runEnd) PostQuitMessage(0);
  return true;
}

bool BareFrame() {
  glClear(GL_COLOR_BUFFER_BIT);
  glFlush();
  scene.Present();
  return FrameCounted();
}

bool DisplayListFrame() {
  scene.Render(GlowDrawing::kOneCallPerGlow);
  scene.Present();
  return FrameCounted();
}

bool BatchedFrame() {
  scene.Render(GlowDrawing::kBatched);
  scene.Present();
  return FrameCounted();
}

struct Figures {
  double framesPerSecond;
  double processorPerFrame;  // seconds
};

Figures Measure(FrameFunction draw, bool paced, double seconds) {
  FramePacer pacer(scene.SwapIntervalSet());
  FramePacer* const pacing = paced ? &pacer : nullptr;
  if (paced) {
    runEnd = PacingNow() + static_cast<int64_t>(kPacedWarmUpSeconds * kPacingTicksPerSecond);
    RunFrameLoop(pacing, draw);
  }
  scene.Field() = startField;
  frames = 0;
  const double processorBefore = ProcessSeconds();
  const int64_t start = PacingNow();
  runEnd = start + static_cast<int64_t>(seconds * kPacingTicksPerSecond);
  RunFrameLoop(pacing, draw);
  const double elapsed = static_cast<double>(PacingNow() - start) / kPacingTicksPerSecond;
  const double processor = ProcessSeconds() - processorBefore;
  return {static_cast<double>(frames) / elapsed, processor / static_cast<double>(frames)};
}
}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  const HWND window = CreateFullScreenWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "renderer_fps: no window\n");
    return 1;
  }
  scene.Open(window, kFieldSeed, kFixedRendererSettings);
  startField = scene.Field();
  std::printf("%dx%d, %s paces, %.1f s per run\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), scene.SwapIntervalSet() ? "the swap" : "the timer",
              seconds);

  struct Drawing {
    const char* name;
    FrameFunction draw;
  };
  constexpr Drawing kUnpaced[] = {
      {"bare clear and swap", BareFrame},
      {"display list per glow", DisplayListFrame},
      {"batched glows", BatchedFrame},
  };
  constexpr Drawing kPaced[] = {
      {"display list per glow, paced", DisplayListFrame},
      {"batched glows, paced", BatchedFrame},
      {"bare clear and swap, paced", BareFrame},
  };
  const auto print = [](const char* name, const Figures& figures, double bare) {
    std::printf(
        "%-30s %7.1f frames/s  %6.2f ms processor/frame  %4.0f%% of one processor  %.3f of bare\n",
        name, figures.framesPerSecond, figures.processorPerFrame * 1000.0,
        figures.processorPerFrame * figures.framesPerSecond * 100.0,
        figures.framesPerSecond / bare);
    std::fflush(stdout);
  };

  // The bare loop runs first in every round, so each line compares with the
  // bare rate of its own round.
  std::vector<Figures> results[std::size(kUnpaced)];
  for (int round = 1; round <= kUnpacedRounds; ++round) {
    std::printf("round %d of %d\n", round, kUnpacedRounds);
    for (size_t i = 0; i < std::size(kUnpaced); ++i) {
      results[i].push_back(Measure(kUnpaced[i].draw, false, seconds));
      print(kUnpaced[i].name, results[i].back(), results[0].back().framesPerSecond);
    }
  }
  const auto median = [](std::vector<Figures> figures, double Figures::*field) {
    std::sort(figures.begin(), figures.end(),
              [field](const Figures& a, const Figures& b) { return a.*field < b.*field; });
    return figures[figures.size() / 2].*field;
  };
  std::printf("median of %d rounds\n", kUnpacedRounds);
  const double bare = median(results[0], &Figures::framesPerSecond);
  for (size_t i = 0; i < std::size(kUnpaced); ++i) {
    print(kUnpaced[i].name,
          {median(results[i], &Figures::framesPerSecond),
           median(results[i], &Figures::processorPerFrame)},
          bare);
  }
  std::printf("paced\n");
  for (const Drawing& drawing : kPaced)
    print(drawing.name, Measure(drawing.draw, true, seconds), bare);
  scene.Close();
  DestroyWindow(window);
  return 0;
}
