#include "skin/objects/TSeMemoryCanvas.h"

#include <cstdlib>

TSeMemoryCanvas::TSeMemoryCanvas(TSeBitmap& target) : target_(target) {}

TRect TSeMemoryCanvas::Clip() const {
  return clipped_ ? IntersectRect(clip_, target_.BoundsRect()) : target_.BoundsRect();
}

TRect TSeMemoryCanvas::ToDevice(const TRect& r) const {
  return IntersectRect(OffsetRect(r, origin_.X, origin_.Y), Clip());
}

void TSeMemoryCanvas::SetClipRect(const TRect* rect) {
  clipped_ = rect != nullptr;
  if (rect) clip_ = OffsetRect(*rect, origin_.X, origin_.Y);
}

void TSeMemoryCanvas::Plot(std::int32_t x, std::int32_t y, std::uint32_t pixel) {
  if (PtInRect(Clip(), TPoint{x, y})) target_.Scanline(y)[x] = pixel;
}

void TSeMemoryCanvas::FillRect(const TRect& rect, TColor color) {
  const TRect r = ToDevice(rect);
  const std::uint32_t pixel = ColorToPixel(color);
  for (std::int32_t y = r.Top; y < r.Bottom; ++y)
    for (std::int32_t x = r.Left; x < r.Right; ++x) target_.Scanline(y)[x] = pixel;
}

void TSeMemoryCanvas::FrameRect(const TRect& rect, TColor color) {
  if (IsRectEmpty(rect)) return;
  FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1), color);
  FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), color);
  FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), color);
  FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), color);
}

void TSeMemoryCanvas::Line(TPoint from, TPoint to, TColor color) {
  const std::uint32_t pixel = ColorToPixel(color);
  std::int32_t x = from.X + origin_.X, y = from.Y + origin_.Y;
  const std::int32_t x1 = to.X + origin_.X, y1 = to.Y + origin_.Y;
  const std::int32_t dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
  const std::int32_t sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
  std::int32_t err = dx + dy;
  while (x != x1 || y != y1) {
    Plot(x, y, pixel);
    const std::int32_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void TSeMemoryCanvas::FillPattern(const TRect& rect, const TColor (&pattern)[64]) {
  const TRect r = ToDevice(rect);
  for (std::int32_t y = r.Top; y < r.Bottom; ++y)
    for (std::int32_t x = r.Left; x < r.Right; ++x)
      target_.Scanline(y)[x] = ColorToPixel(pattern[(y & 7) * 8 + (x & 7)]);
}

TSize TSeMemoryCanvas::TextExtent(std::u16string_view text) {
  const std::int32_t height = font_.Height < 0 ? -font_.Height : (font_.Height ? font_.Height : 13);
  const std::int32_t width = std::max(1, height / 2);
  return TSize{width * static_cast<std::int32_t>(text.size()), height};
}

int TSeMemoryCanvas::DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) {
  using namespace SeTextFormat;
  const TSize size = TextExtent(text);
  if (format & tfCalcRect) {
    rect.Right = rect.Left + size.cx;
    rect.Bottom = rect.Top + size.cy;
    return size.cy;
  }
  std::int32_t x = rect.Left, y = rect.Top;
  if (format & tfCenter) x += (RectWidth(rect) - size.cx) / 2;
  if (format & tfRight) x = rect.Right - size.cx;
  if (format & tfVCenter) y += (RectHeight(rect) - size.cy) / 2;
  if (format & tfBottom) y = rect.Bottom - size.cy;
  const std::int32_t cell = text.empty() ? 0 : size.cx / static_cast<std::int32_t>(text.size());
  for (char16_t c : text) {
    if (c != u' ') {
      const TRect box = IntersectRect(Bounds(x, y, cell, size.cy), rect);
      if (!IsRectEmpty(box)) FillRect(box, font_.Color);
    }
    x += cell;
  }
  return size.cy;
}

void TSeMemoryCanvas::Copy(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                           const TRect& dest, const TRect& src) {
  if (IsRectEmpty(dest) || IsRectEmpty(src) || pixels == nullptr) return;
  const TRect device = OffsetRect(dest, origin_.X, origin_.Y);
  const TRect area = IntersectRect(device, Clip());
  const std::int64_t sw = RectWidth(src), sh = RectHeight(src);
  const std::int64_t dw = RectWidth(dest), dh = RectHeight(dest);
  for (std::int32_t y = area.Top; y < area.Bottom; ++y) {
    const auto sy = static_cast<std::int32_t>(src.Top + (y - device.Top) * sh / dh);
    if (sy < 0 || sy >= height) continue;
    for (std::int32_t x = area.Left; x < area.Right; ++x) {
      const auto sx = static_cast<std::int32_t>(src.Left + (x - device.Left) * sw / dw);
      if (sx < 0 || sx >= width) continue;
      target_.Scanline(y)[x] = pixels[std::size_t(sy) * std::size_t(width) + std::size_t(sx)];
    }
  }
}

void TSeMemoryCanvas::CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) {
  Copy(source.Bits(), source.Width(), source.Height(), dest, src);
}

void TSeMemoryCanvas::CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) {
  Copy(source.Surface().DeviceCopyPixels(), source.Width(), source.Height(), dest, src);
}

void TSeMemoryCanvas::ReadArea(const TRect& area, TSeBitmap& target) {
  const TRect device = OffsetRect(area, origin_.X, origin_.Y);
  for (std::int32_t y = 0; y < target.Height(); ++y)
    for (std::int32_t x = 0; x < target.Width(); ++x) {
      const std::int32_t fx = device.Left + x, fy = device.Top + y;
      if (PtInRect(target_.BoundsRect(), TPoint{fx, fy}))
        target.Scanline(y)[x] = target_.Scanline(fy)[fx];
    }
}
