#include <windows.h>

#include "skin/objects/ESeBitmapError.h"
#include "skin/objects/TSeBitmapSurface.h"

using namespace SeBitmapMessages;

// A top-down 32-bit DIB section selected into its own memory context: GDI draws into the same
// memory the pixel work reads. The device copy is a screen-format bitmap for fast unmasked
// blits.
struct TSeBitmapSurface::Impl {
  HBITMAP dib = nullptr;
  HDC dc = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  HBITMAP deviceCopy = nullptr;
  std::int32_t copyWidth = 0;
  std::int32_t copyHeight = 0;

  void ReleaseDeviceCopy() {
    if (deviceCopy) DeleteObject(deviceCopy);
    deviceCopy = nullptr;
    copyWidth = copyHeight = 0;
  }
};

TSeBitmapSurface::TSeBitmapSurface() : impl_(std::make_unique<Impl>()) {}
TSeBitmapSurface::~TSeBitmapSurface() {
  Release();
}

std::uint32_t* TSeBitmapSurface::Create(std::int32_t width, std::int32_t height) {
  Release();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows run top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) {
    if (dib) DeleteObject(dib);
    throw ESeBitmapError(SDIBHandle);
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(dib);
    throw ESeBitmapError(SCompatibleDC);
  }
  HGDIOBJ old = SelectObject(dc, dib);
  if (!old || old == HGDI_ERROR) {
    DeleteDC(dc);
    DeleteObject(dib);
    throw ESeBitmapError(SSelectObject);
  }
  impl_->dib = dib;
  impl_->dc = dc;
  impl_->oldBitmap = old;
  return static_cast<std::uint32_t*>(bits);
}

void TSeBitmapSurface::Release() {
  impl_->ReleaseDeviceCopy();
  if (impl_->dc) {
    SelectObject(impl_->dc, impl_->oldBitmap);
    DeleteDC(impl_->dc);
  }
  if (impl_->dib) DeleteObject(impl_->dib);
  impl_->dc = nullptr;
  impl_->dib = nullptr;
  impl_->oldBitmap = nullptr;
}

void TSeBitmapSurface::UpdateDeviceCopy(const std::uint32_t*, std::int32_t width,
                                        std::int32_t height) {
  if (!impl_->dc) return;
  if (!impl_->deviceCopy || impl_->copyWidth != width || impl_->copyHeight != height) {
    impl_->ReleaseDeviceCopy();
    HDC screen = GetDC(nullptr);
    impl_->deviceCopy = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!impl_->deviceCopy) return;  // unmasked skin drawing then draws nothing
    impl_->copyWidth = width;
    impl_->copyHeight = height;
  }
  HDC copyDC = CreateCompatibleDC(impl_->dc);
  HGDIOBJ old = SelectObject(copyDC, impl_->deviceCopy);
  BitBlt(copyDC, 0, 0, width, height, impl_->dc, 0, 0, SRCCOPY);
  SelectObject(copyDC, old);
  DeleteDC(copyDC);
}

bool TSeBitmapSurface::HasDeviceCopy() const {
  return impl_->deviceCopy != nullptr;
}
void* TSeBitmapSurface::NativeContext() const {
  return impl_->dc;
}
void* TSeBitmapSurface::NativeDeviceCopy() const {
  return impl_->deviceCopy;
}
const std::uint32_t* TSeBitmapSurface::DeviceCopyPixels() const {
  return nullptr;
}
