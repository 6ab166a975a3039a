#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/TStream.h"
#include "skin/objects/Geometry.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmapSurface.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeFont.h"

class TSeBitmapLink;

// A skin picture: Width x Height pixels of 0xAARRGGBB, top row first, in memory the platform
// can blit from directly, so the same pixels serve the per-pixel work (hue, masks, regions,
// alpha) and fast copies. Key-coloured pixels (low 24 bits 0x7F007F) are left out by masked
// drawing. Bitmaps are shared by skin objects through links, never owned by them.
class TSeBitmap {
 public:
  using TNotify = std::function<void(TSeBitmap&)>;

  TSeBitmap();
  TSeBitmap(const TSeBitmap&) = delete;
  TSeBitmap& operator=(const TSeBitmap&) = delete;
  ~TSeBitmap();

  // Negative sizes count as positive; 0 or the current size changes nothing. The old pixels
  // are lost and the new ones unset. OnChange runs afterwards, also when allocation failed.
  void SetSize(std::int32_t width, std::int32_t height);
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  bool IsEmpty() const { return pixels_ == nullptr; }
  TRect BoundsRect() const { return TRect{0, 0, width_, height_}; }

  std::uint32_t* Bits() { return pixels_; }
  const std::uint32_t* Bits() const { return pixels_; }
  std::uint32_t* Scanline(std::int32_t y) { return pixels_ + std::size_t(y) * std::size_t(width_); }
  const std::uint32_t* Scanline(std::int32_t y) const {
    return pixels_ + std::size_t(y) * std::size_t(width_);
  }
  // Opaque black outside the bitmap; writes outside are ignored.
  std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;
  void SetPixel(std::int32_t x, std::int32_t y, std::uint32_t value);

  void Fill(std::uint32_t value);
  // Pixels within 6 of color on each of red, green and blue become the key colour.
  void ReplaceColor(TColor color);
  void SetAlpha(std::uint8_t alpha);
  void SetAlphaRect(std::uint8_t alpha, const TRect& rect);
  // Clipped to the bitmap; blends value over the pixels when AlphaBlend is set.
  void FillRect(const TRect& rect, std::uint32_t value);

  void Draw(TSeCanvas& canvas, std::int32_t x, std::int32_t y, bool masked) const;
  void DrawRect(TSeCanvas& canvas, std::int32_t x, std::int32_t y, bool masked,
                const TRect& source) const;
  void StretchDraw(TSeCanvas& canvas, const TRect& dest, bool masked, const TRect& source) const;
  void TileDraw(TSeCanvas& canvas, const TRect& dest, bool masked, const TRect& source) const;
  // The unmasked drawing of skin objects: a stretching copy from the device copy; nothing
  // while the bitmap has none.
  void DeviceDraw(TSeCanvas& canvas, const TRect& dest, const TRect& source) const;

  // Onto another bitmap: a plain copy, or a per-pixel blend when AlphaBlend is set; clipped
  // to both bitmaps.
  void AlphaDrawTo(TSeBitmap& target, std::int32_t x, std::int32_t y, const TRect& source) const;
  void AlphaStretchTo(TSeBitmap& target, const TRect& dest, const TRect& source) const;
  // Puts source's rect under this bitmap at x, y: transparent pixels take the source,
  // opaque ones stay, the rest blend over it.
  void Underlay(const TSeBitmap& source, std::int32_t x, std::int32_t y, const TRect& rect);

  void UpdateDeviceCopy();
  bool HasDeviceCopy() const { return surface_.HasDeviceCopy(); }
  const TSeBitmapSurface& Surface() const { return surface_; }

  std::unique_ptr<TSeBitmapLink> CreateLink(const TRect& rect);
  // Shifts the hue of every pixel that is not fully transparent, then refreshes the device
  // copy.
  void ChangeHue(int delta);

  // Name, width, height, then the pixels as blue, green, red, alpha bytes.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

  std::string Name;
  bool AlphaBlend = false;
  TSeFont Font;
  TNotify OnChange;
  TNotify OnFree;

  // Masked drawing normally uses the system's transparent blit where there is one; tests
  // force the portable mask to prove both paths.
  static void SetMaskFallbackForced(bool forced);
  static bool MaskFallbackForced();

 private:
  void ReleaseSurface();
  // What the key colour does in a rectangle of the picture: nowhere, only with alpha 0 (the
  // system's transparent blit can leave it out), or somewhere with alpha.
  enum class TKeyPixels { kNone, kClear, kWithAlpha };
  TKeyPixels KeyPixelsIn(const TRect& source) const;
  void MaskedStretch(TSeCanvas& canvas, const TRect& dest, const TRect& source) const;

  TSeBitmapSurface surface_;
  std::uint32_t* pixels_ = nullptr;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// S blended over D by S's alpha, two channels per multiplication.
std::uint32_t BlendPixel(std::uint32_t s, std::uint32_t d);
