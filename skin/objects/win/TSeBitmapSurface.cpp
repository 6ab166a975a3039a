#include <windows.h>

#include "framework/core/win/Handles.h"
#include "skin/objects/ESeBitmapError.h"
#include "skin/objects/TSeBitmapSurface.h"

using namespace SeBitmapMessages;

// A top-down 32-bit DIB section selected into its own memory context: GDI draws into the same
// memory the pixel work reads. The device copy is a screen-format bitmap for fast unmasked
// blits.
struct TSeBitmapSurface::Impl {
  // Freed in the reverse order: the section leaves the context, the context goes, then the
  // section.
  Handles::Bitmap dib;
  Handles::CreatedDC dc;
  Handles::SelectedObject selection;
  Handles::Bitmap deviceCopy;
  std::int32_t copyWidth = 0;
  std::int32_t copyHeight = 0;

  void ReleaseDeviceCopy() {
    deviceCopy.Reset();
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
  Handles::Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) throw ESeBitmapError(SDIBHandle);
  Handles::CreatedDC dc = Handles::CreatedDC::Compatible(nullptr);
  if (!dc) throw ESeBitmapError(SCompatibleDC);
  Handles::SelectedObject selection(dc.Get(), dib.Get());
  if (!selection) throw ESeBitmapError(SSelectObject);
  impl_->dib = std::move(dib);
  impl_->dc = std::move(dc);
  impl_->selection = std::move(selection);
  return static_cast<std::uint32_t*>(bits);
}

void TSeBitmapSurface::Release() {
  impl_->ReleaseDeviceCopy();
  impl_->selection.Reset();
  impl_->dc.Reset();
  impl_->dib.Reset();
}

void TSeBitmapSurface::UpdateDeviceCopy(const std::uint32_t*, std::int32_t width,
                                        std::int32_t height) {
  if (!impl_->dc) return;
  if (!impl_->deviceCopy || impl_->copyWidth != width || impl_->copyHeight != height) {
    impl_->ReleaseDeviceCopy();
    const Handles::WindowDC screen(nullptr);
    impl_->deviceCopy.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!impl_->deviceCopy) return;  // unmasked skin drawing then draws nothing
    impl_->copyWidth = width;
    impl_->copyHeight = height;
  }
  const Handles::CreatedDC copyDC = Handles::CreatedDC::Compatible(impl_->dc.Get());
  const Handles::SelectedObject selected(copyDC.Get(), impl_->deviceCopy.Get());
  BitBlt(copyDC.Get(), 0, 0, width, height, impl_->dc.Get(), 0, 0, SRCCOPY);
}

bool TSeBitmapSurface::HasDeviceCopy() const {
  return static_cast<bool>(impl_->deviceCopy);
}
void* TSeBitmapSurface::NativeContext() const {
  return impl_->dc.Get();
}
void* TSeBitmapSurface::NativeDeviceCopy() const {
  return impl_->deviceCopy.Get();
}
const std::uint32_t* TSeBitmapSurface::DeviceCopyPixels() const {
  return nullptr;
}
