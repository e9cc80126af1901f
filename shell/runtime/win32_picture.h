// A picture: a bitmap that image controls, picture boxes and drawing surfaces
// show at its own size. Copies share the bitmap.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

namespace zelvane::rt {

class Picture {
 public:
  Picture() = default;
  // Takes ownership of the bitmap.
  static Picture FromBitmap(HBITMAP bitmap);
  // A bitmap resource of the program.
  static Picture FromResource(int resourceId);
  // An encoded picture (BMP, JPEG, GIF) held in memory.
  static Picture FromEncoded(const void* data, std::size_t size);

  bool Empty() const { return !bitmap_; }
  HBITMAP Bitmap() const { return bitmap_ ? bitmap_.get() : nullptr; }
  int WidthPixels() const { return width_; }
  int HeightPixels() const { return height_; }

  // Copies a part of the picture (source in pixels) to dc at (x, y), stretched
  // when the destination size differs.
  void Draw(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
            int srcHeight) const;

 private:
  struct DeleteBitmap {
    void operator()(HBITMAP b) const { DeleteObject(b); }
  };
  std::shared_ptr<std::remove_pointer_t<HBITMAP>> bitmap_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zelvane::rt
