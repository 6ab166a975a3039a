#include "skin/objects/SkinObjectSeam.h"

#include <algorithm>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/TSeBitmap.h"

namespace SkinSeam {

TSeFont CanvasFont(const TFont& font) {
  TSeFont result;
  result.Name = font.Name();
  result.Height = font.Height();
  result.Color = font.Color();
  result.Style = static_cast<std::uint8_t>(font.Style().Bits());
  result.Charset = font.Charset();
  return result;
}

std::int32_t TextWidth(TSeCanvas& canvas, const std::u16string& text, const TFont& font) {
  canvas.SetFont(CanvasFont(font));
  return TextWidthSkin(canvas, text, SeTextFormat::tfSingleLine);
}

std::int32_t ScreenTextWidth(const std::u16string& text, const TFont& font) {
  if (text.empty()) return 0;
  // A one-pixel bitmap's context measures like the screen's: both are screen-compatible. It is
  // made once, as bitmap objects lay out (and so measure) at every paint.
  struct Probe {
    TSeBitmap bitmap;
    std::unique_ptr<TSeCanvas> canvas;
    Probe() {
      bitmap.SetSize(1, 1);
      canvas = CreateBitmapCanvas(bitmap);
    }
  };
  static Probe probe;
  return TextWidth(*probe.canvas, text, font);
}

TSeRegion PaintedRegion(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                        const std::function<void(TSeCanvas&)>& paint) {
  if (width <= 0 || height <= 0) return TSeRegion{};
  TSeBitmap shape;
  shape.SetSize(width, height);
  shape.Fill(kSeKeyColor);
  {
    auto canvas = CreateBitmapCanvas(shape);
    paint(*canvas);
  }
  return CreateBitmapRegion(shape, x, y);
}

void UnionRegion(TSeRegion& region, const TSeRegion& other) {
  if (other.Rects.empty()) return;
  if (region.Rects.empty()) {
    region.Bounds = other.Bounds;
  } else {
    region.Bounds = TRect{std::min(region.Bounds.Left, other.Bounds.Left),
                          std::min(region.Bounds.Top, other.Bounds.Top),
                          std::max(region.Bounds.Right, other.Bounds.Right),
                          std::max(region.Bounds.Bottom, other.Bounds.Bottom)};
  }
  region.Rects.insert(region.Rects.end(), other.Rects.begin(), other.Rects.end());
}

}  // namespace SkinSeam
