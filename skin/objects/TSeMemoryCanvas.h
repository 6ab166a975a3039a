#pragma once

#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeCanvas.h"

// The host's canvas: draws straight into a TSeBitmap's pixels, as a device context on a DIB
// section would. Solid colours leave alpha 0, like the platform's fills. Text has fixed
// metrics (a character is half as wide as the font is high) and each visible character is
// drawn as a solid box, enough for layout and rotation to be checked without a font engine.
class TSeMemoryCanvas : public TSeCanvas {
 public:
  explicit TSeMemoryCanvas(TSeBitmap& target);

  void FillRect(const TRect& rect, TColor color) override;
  void FrameRect(const TRect& rect, TColor color) override;
  void Line(TPoint from, TPoint to, TColor color) override;
  void FillPattern(const TRect& rect, const TColor (&pattern)[64]) override;
  void SetFont(const TSeFont& font) override { font_ = font; }
  const TSeFont& Font() const override { return font_; }
  TSize TextExtent(std::u16string_view text) override;
  int DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) override;
  void CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) override;
  void CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) override;
  bool TransparentBlit(const TSeBitmap&, const TRect&, const TRect&, std::uint32_t) override {
    return false;
  }
  void ReadArea(const TRect& area, TSeBitmap& target) override;
  void SetClipRect(const TRect* rect) override;
  TPoint Origin() const override { return origin_; }
  void SetOrigin(TPoint origin) override { origin_ = origin; }

 private:
  // A logical rectangle in device pixels, clipped.
  TRect ToDevice(const TRect& r) const;
  void Plot(std::int32_t x, std::int32_t y, std::uint32_t pixel);
  void Copy(const std::uint32_t* pixels, std::int32_t width, std::int32_t height, const TRect& dest,
            const TRect& src);

  // The clip in device pixels, limited to the bitmap as it is now (it may be resized later).
  TRect Clip() const;

  TSeBitmap& target_;
  bool clipped_ = false;
  TRect clip_;
  TPoint origin_;
  TSeFont font_;
};
