#include <windows.h>

#include <vector>

#include "framework/core/win/Handles.h"
#include "skin/objects/ESeBitmapError.h"
#include "skin/objects/TSeBitmapSurface.h"

using namespace SeBitmapMessages;

// A top-down 32-bit DIB section selected into its own memory context: GDI draws into the same
// memory the pixel work reads. The device copy is a screen-format bitmap for fast unmasked
// blits. The screen bitmap is made when something first draws from it, not when it is asked
// for: a skin holds dozens of pictures of which a window draws only some, and each screen
// bitmap costs a round of GDI calls (trips to the display server under Wine). Until then the
// pixels as they were when asked for wait in plain memory, so the copy still shows that picture
// whatever is painted into the section meanwhile.
struct TSeBitmapSurface::Impl {
  // Freed in the reverse order: the section leaves the context, the context goes, then the
  // section.
  Handles::Bitmap dib;
  Handles::CreatedDC dc;
  Handles::SelectedObject selection;
  Handles::Bitmap deviceCopy;
  std::int32_t copyWidth = 0;
  std::int32_t copyHeight = 0;
  // The picture the copy must show from its next use on; empty when the copy is up to date.
  std::vector<std::uint32_t> pending;
  std::int32_t wantedWidth = 0;
  std::int32_t wantedHeight = 0;

  void ReleaseDeviceCopy() {
    deviceCopy.Reset();
    copyWidth = copyHeight = 0;
    pending = {};
  }

  void MakeDeviceCopy() {
    const std::vector<std::uint32_t> picture = std::move(pending);
    pending = {};
    if (!dc) return;
    if (!deviceCopy || copyWidth != wantedWidth || copyHeight != wantedHeight) {
      deviceCopy.Reset();
      copyWidth = copyHeight = 0;
      const Handles::WindowDC screen(nullptr);
      deviceCopy.Reset(CreateCompatibleBitmap(screen.Get(), wantedWidth, wantedHeight));
      if (!deviceCopy) return;  // unmasked skin drawing then draws nothing
      copyWidth = wantedWidth;
      copyHeight = wantedHeight;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = copyWidth;
    info.bmiHeader.biHeight = -copyHeight;  // rows run top-down, as in the section
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBits(dc.Get(), deviceCopy.Get(), 0, static_cast<UINT>(copyHeight), picture.data(), &info,
              DIB_RGB_COLORS);
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

void TSeBitmapSurface::UpdateDeviceCopy(const std::uint32_t* pixels, std::int32_t width,
                                        std::int32_t height) {
  if (!impl_->dc) return;
  impl_->pending.assign(
      pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  impl_->wantedWidth = width;
  impl_->wantedHeight = height;
}

bool TSeBitmapSurface::HasDeviceCopy() const {
  return !impl_->pending.empty() || static_cast<bool>(impl_->deviceCopy);
}
void* TSeBitmapSurface::NativeContext() const {
  return impl_->dc.Get();
}
void* TSeBitmapSurface::NativeDeviceCopy() const {
  if (!impl_->pending.empty()) impl_->MakeDeviceCopy();
  return impl_->deviceCopy.Get();
}
const std::uint32_t* TSeBitmapSurface::DeviceCopyPixels() const {
  return nullptr;
}
