// The real preview attached to parent windows of this process: Wine draws a
// child window only when its parent lives in the same process. Under Wine the
// live field's frames do not reach the screen (its OpenGL child window is kept
// off screen), so what it draws is read back from OpenGL.
#include "host/preview_window.h"

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "host/preview_picture.h"
#include "host/win32_preview_display_watch.h"
#include "main/win32_frame_loop.h"
#include "runtime/win32_program.h"
#include "../runtime/win32_pump_messages.h"
#include "../../common/win32_power_setting_notice.h"

namespace zelvane::host {
namespace {

using Pixels = std::vector<COLORREF>;

Pixels Capture(HDC source, int width, int height) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  Pixels pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y) & 0xFFFFFF);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// The live field's last frame, read from its back buffer (software OpenGL
// keeps it after the swap).
Pixels LastFrame(int width, int height) {
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  Pixels pixels;
  for (size_t i = 0; i < rgb.size(); i += 3) pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
  return pixels;
}

// Parents stay until the process ends: the preview ends the program when its
// parent goes.
HWND OpenParent(SIZE outer, DWORD border) {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | border | WS_VISIBLE, 10, 10, outer.cx,
                         outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int64_t FramesIn(double seconds) {
  return RunPreviewFrames(PacingNow() + static_cast<int64_t>(seconds * kPacingTicksPerSecond));
}

int64_t CountOf(const Pixels& pixels, bool (*test)(int low, int high)) {
  return std::count_if(pixels.begin(), pixels.end(), [test](COLORREF c) {
    const auto [low, high] = std::minmax({GetRValue(c), GetGValue(c), GetBValue(c)});
    return test(low, high);
  });
}
bool Dark(int, int high) {
  return high < 32;
}
// Bright, and clearly more of one colour than another.
bool Coloured(int low, int high) {
  return high >= 64 && high - low >= 40;
}

TEST(LivePreview, GlowsOnBlackAtTheParentsSizeAndAspectMovingOnAtThirtyFramesAtMost) {
  // The size the display settings use, and a larger parent with a border,
  // whose client area (smaller than the preview) the field fills.
  for (const auto& [outer, border] :
       {std::pair{SIZE{152, 112}, DWORD{0}}, std::pair{SIZE{400, 300}, DWORD{WS_BORDER}}}) {
    const HWND parent = OpenParent(outer, border);
    AttachPreviewWindow(parent);
    RECT client{};
    GetClientRect(parent, &client);
    const int width = client.right, height = client.bottom;

    // The field spreads out from its starting point over the first second.
    EXPECT_LE(FramesIn(2.0), 61) << "paced, never flat out";
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, width, height}));
    // A perspective matrix holds f / aspect and f on its diagonal.
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], static_cast<double>(width) / height, 1e-5);

    const Pixels first = LastFrame(width, height);
    EXPECT_GT(FramesIn(1.0), 0);
    const Pixels second = LastFrame(width, height);
    const auto pixels = std::ssize(first);
    EXPECT_GT(CountOf(first, Dark) + CountOf(second, Dark), pixels) << outer.cx;
    EXPECT_GT(CountOf(first, Coloured) + CountOf(second, Coloured), pixels / 1000) << outer.cx;
    int64_t changed = 0;
    for (size_t i = 0; i < first.size(); ++i) changed += first[i] != second[i];
    EXPECT_GT(changed, pixels / 1000) << outer.cx;
  }
}

// The preview's listener for the display notifications.
HWND DisplayWatch() {
  return FindWindowW(kDisplayWatchClass, nullptr);
}

TEST(LivePreview, RestsWhileItsParentIsHiddenOrMinimisedOrTheDisplaysAreOff) {
  const HWND parent = OpenParent({152, 112}, 0);
  AttachPreviewWindow(parent);
  const struct {
    const char* name;
    std::function<void()> off, on;
  } cases[] = {
      {"parent hidden", [=] { ShowWindow(parent, SW_HIDE); },
       [=] { ShowWindow(parent, SW_SHOWNA); }},
      {"parent minimised", [=] { ShowWindow(parent, SW_MINIMIZE); },
       [=] { ShowWindow(parent, SW_RESTORE); }},
      {"displays off", [] { SendConsoleDisplayState(DisplayWatch(), 0); },
       [] { SendConsoleDisplayState(DisplayWatch(), 1); }},
  };
  for (const auto& c : cases) {
    c.off();
    EXPECT_EQ(FramesIn(0.3), 0) << c.name;
    c.on();
    EXPECT_GT(FramesIn(0.3), 0) << "after: " << c.name;
  }
}

// Where OpenGL cannot be had: a pixel format that is never set.
void NoPixelFormat(HDC) {}

TEST(PreviewWindow, WithoutOpenGlTheStillPictureTopLeftAtItsOwnSize) {
  const rt::Picture loaded = LoadPreviewPicture();
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, loaded.Bitmap());
  const Pixels picture = Capture(dc, kPreviewPictureWidth, kPreviewPictureHeight);
  SelectObject(dc, old);
  DeleteDC(dc);
  // The program holds the glowing field on black: mostly dark, not all.
  const auto dark =
      std::count_if(picture.begin(), picture.end(), [](COLORREF c) { return (c & 0xE0E0E0) == 0; });
  EXPECT_GT(dark, std::ssize(picture) / 2);
  EXPECT_LT(dark, std::ssize(picture) * 99 / 100);

  // What the preview shows inside a bordered parent, whose outer size (which
  // the preview takes) is larger than its client area.
  for (const SIZE outer : {SIZE{260, 200}, SIZE{100, 80}}) {
    const HWND parent = OpenParent(outer, WS_BORDER);
    AttachPreviewWindow(parent, NoPixelFormat);
    EXPECT_EQ(RunPreviewFrames(), 0) << "no live field";
    rt::PumpFor(100);
    UpdateWindow(GetWindow(parent, GW_CHILD));
    RECT client{};
    GetClientRect(parent, &client);
    HDC parentDc = GetDC(parent);
    const Pixels shown = Capture(parentDc, client.right, client.bottom);
    ReleaseDC(parent, parentDc);
    EXPECT_EQ(client.right > kPreviewPictureWidth, outer.cx > kPreviewPictureWidth);
    int wrong = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        const bool inside = x < kPreviewPictureWidth && y < kPreviewPictureHeight;
        wrong += shown[static_cast<std::size_t>(y * client.right + x)] !=
                 (inside ? picture[static_cast<std::size_t>(y * kPreviewPictureWidth + x)] : 0);
      }
    }
    EXPECT_EQ(wrong, 0) << outer.cx << " x " << outer.cy;
  }
}

}  // namespace
}  // namespace zelvane::host
