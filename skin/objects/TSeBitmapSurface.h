#pragma once

#include <cstdint>
#include <memory>

// The device side of a skin bitmap: 32-bit top-down pixel memory that the platform can draw
// from and into (on Windows a DIB section selected into a memory context), and the optional
// device copy in the screen's own format. On the host both are plain memory.
class TSeBitmapSurface {
 public:
  TSeBitmapSurface();
  TSeBitmapSurface(const TSeBitmapSurface&) = delete;
  TSeBitmapSurface& operator=(const TSeBitmapSurface&) = delete;
  ~TSeBitmapSurface();

  // Pixel memory for width x height pixels, contents unset. Raises ESeBitmapError with the
  // platform step that failed, leaving no surface.
  std::uint32_t* Create(std::int32_t width, std::int32_t height);
  void Release();

  // Makes (or resizes) the device copy and copies the pixels into it.
  void UpdateDeviceCopy(const std::uint32_t* pixels, std::int32_t width, std::int32_t height);
  bool HasDeviceCopy() const;

  // The memory context (HDC) and the device copy (HBITMAP) on Windows; null on the host.
  void* NativeContext() const;
  void* NativeDeviceCopy() const;
  // The device copy's pixels on the host; null on Windows, where only the platform reads it.
  const std::uint32_t* DeviceCopyPixels() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
