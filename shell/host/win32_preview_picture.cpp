#include "host/preview_picture.h"

#include "runtime/errors_suppressed.h"

namespace zelvane::host {

rt::Picture LoadPreviewPicture() {
  HRSRC resource = FindResourceW(nullptr, L"PREVIEW", RT_RCDATA);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(nullptr, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  rt::Picture picture;
  rt::Attempt([&] { picture = rt::Picture::FromEncoded(data, SizeofResource(nullptr, resource)); });
  return picture;
}

}  // namespace zelvane::host
