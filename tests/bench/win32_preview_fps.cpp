// Runs the saver shell's live preview in parent windows of this process, at
// the size the display settings use and a larger one, and prints the frames
// per second it draws and the processor time per frame, then the processor
// time it takes while its parent is hidden. Each run lasts 5 s unless a number
// of seconds is given.
//
// Given a file name after the seconds, it first writes three frames of the
// 152 x 112 preview, a second apart, side by side into that file as a binary
// PPM: tools/make_screenshots.sh makes the README's picture of the preview
// from it (Wine does not show an OpenGL child window, so it cannot be taken
// from the screen). The frames are read back from OpenGL, whose software
// renderer keeps the last frame drawn.
#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "host/preview_window.h"
#include "main/win32_frame_loop.h"
#include "win32_process_time.h"

namespace {
constexpr double kWarmUpSeconds = 1.0;
constexpr int kPictureFrames = 3;
// The preview's size in the display settings, and a larger one.
constexpr SIZE kSettingsSize{152, 112}, kLargerSize{400, 300};

int64_t After(double seconds) {
  return PacingNow() + static_cast<int64_t>(seconds * kPacingTicksPerSecond);
}

void Measure(const char* name, double seconds) {
  const double processorBefore = ProcessSeconds();
  const int64_t start = PacingNow();
  const int64_t frames = zelvane::host::RunPreviewFrames(After(seconds));
  const double elapsed = static_cast<double>(PacingNow() - start) / kPacingTicksPerSecond;
  const double processor = ProcessSeconds() - processorBefore;
  std::printf("%-24s %6.1f frames/s  %6.2f ms processor/frame  %5.1f%% of one processor\n", name,
              static_cast<double>(frames) / elapsed,
              frames > 0 ? processor / static_cast<double>(frames) * 1000.0 : 0.0,
              processor / elapsed * 100.0);
  std::fflush(stdout);
}

// The live preview's frames, a second apart, side by side.
bool WritePicture(const char* path, int width, int height) {
  const int pictureWidth = width * kPictureFrames;
  std::vector<unsigned char> picture(static_cast<size_t>(pictureWidth * height * 3));
  std::vector<unsigned char> frame(static_cast<size_t>(width * height * 3));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (int i = 0; i < kPictureFrames; ++i) {
    zelvane::host::RunPreviewFrames(After(1.0));
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    for (int y = 0; y < height; ++y) {  // OpenGL's rows run from the bottom up
      const auto row = frame.begin() + (height - 1 - y) * width * 3;
      std::copy(row, row + width * 3, picture.begin() + (y * pictureWidth + i * width) * 3);
    }
  }
  FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", pictureWidth, height);
  const bool written = std::fwrite(picture.data(), 1, picture.size(), file) == picture.size();
  return std::fclose(file) == 0 && written;
}

// A preview in a new parent window of the given size, its frames under way.
HWND OpenPreview(SIZE size) {
  const HWND parent =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, size.cx, size.cy, nullptr,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  zelvane::host::AttachPreviewWindow(parent);
  zelvane::host::RunPreviewFrames(After(kWarmUpSeconds));
  return parent;
}
}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  if (argc > 2) {
    OpenPreview(kSettingsSize);
    if (!WritePicture(argv[2], kSettingsSize.cx, kSettingsSize.cy)) {
      std::fprintf(stderr, "preview_fps: cannot write %s\n", argv[2]);
      return 1;
    }
  }
  std::printf("live preview, %.1f s per run\n", seconds);
  OpenPreview(kSettingsSize);
  Measure("152 x 112", seconds);
  const HWND parent = OpenPreview(kLargerSize);
  Measure("400 x 300", seconds);
  ShowWindow(parent, SW_HIDE);
  Measure("400 x 300, parent hidden", seconds);
  return 0;
}
