#include "win32_picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "errors_suppressed.h"

namespace zelvane::rt {

Picture Picture::FromBitmap(HBITMAP bitmap) {
  if (!bitmap) throw RuntimeError("no bitmap");
  Picture p;
  p.bitmap_.reset(bitmap, DeleteBitmap{});
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  p.width_ = info.bmWidth;
  p.height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return p;
}

Picture Picture::FromResource(int resourceId) {
  HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP,
                             0, 0, LR_CREATEDIBSECTION);
  if (!bitmap) throw RuntimeError("bitmap resource not found");
  return FromBitmap(static_cast<HBITMAP>(bitmap));
}

Picture Picture::FromEncoded(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) throw RuntimeError("out of memory");
  std::memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    throw RuntimeError("no stream for the picture");
  }
  IPicture* picture = nullptr;
  const HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || !picture) throw RuntimeError("picture cannot be decoded");
  // The decoded bitmap belongs to the picture object; keep a copy of our own.
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  HANDLE copy = CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0,
                          0, LR_CREATEDIBSECTION);
  picture->Release();
  return FromBitmap(static_cast<HBITMAP>(copy));
}

void Picture::Draw(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                   int srcHeight) const {
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_.get());
  if (width == srcWidth && height == srcHeight) {
    BitBlt(dc, x, y, width, height, source, srcX, srcY, SRCCOPY);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, width, height, source, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace zelvane::rt
