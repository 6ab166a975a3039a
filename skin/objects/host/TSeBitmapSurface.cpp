#include <vector>

#include "skin/objects/TSeBitmapSurface.h"

struct TSeBitmapSurface::Impl {
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint32_t> deviceCopy;
  bool hasDeviceCopy = false;
};

TSeBitmapSurface::TSeBitmapSurface() : impl_(std::make_unique<Impl>()) {}
TSeBitmapSurface::~TSeBitmapSurface() = default;

std::uint32_t* TSeBitmapSurface::Create(std::int32_t width, std::int32_t height) {
  impl_->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  return impl_->pixels.data();
}

void TSeBitmapSurface::Release() {
  impl_->pixels = {};
  impl_->deviceCopy = {};
  impl_->hasDeviceCopy = false;
}

void TSeBitmapSurface::UpdateDeviceCopy(const std::uint32_t* pixels, std::int32_t width,
                                        std::int32_t height) {
  impl_->deviceCopy.assign(
      pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  impl_->hasDeviceCopy = true;
}

bool TSeBitmapSurface::HasDeviceCopy() const {
  return impl_->hasDeviceCopy;
}
void* TSeBitmapSurface::NativeContext() const {
  return nullptr;
}
void* TSeBitmapSurface::NativeDeviceCopy() const {
  return nullptr;
}
const std::uint32_t* TSeBitmapSurface::DeviceCopyPixels() const {
  return impl_->hasDeviceCopy ? impl_->deviceCopy.data() : nullptr;
}
