#include "skin/objects/SeDrawing.h"

#include <algorithm>
#include <cmath>

std::int32_t MulDivRound(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t p = std::int64_t{a} * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t q = (std::llabs(p) + half) / std::llabs(c);
  return static_cast<std::int32_t>(negative ? -q : q);
}

void FillRectColor(TSeCanvas& canvas, const TRect& rect, TColor color) {
  canvas.FillRect(rect, color);
}

void FrameRectColor(TSeCanvas& canvas, const TRect& rect, TColor color) {
  canvas.FrameRect(rect, color);
}

void DrawBevel(TSeCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (IsRectEmpty(r)) return;
  canvas.Line({r.Left, r.Top}, {r.Right, r.Top}, topLeft);
  canvas.Line({r.Left, r.Top}, {r.Left, r.Bottom}, topLeft);
  canvas.Line({r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}, bottomRight);
  canvas.Line({r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}, bottomRight);
}

void DrawEdges(TSeCanvas& canvas, const TRect& rect, std::uint32_t sides, TColor bottomRight,
               TColor topLeft, int count) {
  TRect r = rect;
  for (int i = 0; i < count && !IsRectEmpty(r); ++i) {
    if (sides & esLeft) canvas.Line({r.Left, r.Top}, {r.Left, r.Bottom}, topLeft);
    if (sides & esTop) canvas.Line({r.Left, r.Top}, {r.Right, r.Top}, topLeft);
    if (sides & esRight) canvas.Line({r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}, bottomRight);
    if (sides & esBottom) canvas.Line({r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1}, bottomRight);
    if (sides & esLeft) ++r.Left;
    if (sides & esTop) ++r.Top;
    if (sides & esRight) --r.Right;
    if (sides & esBottom) --r.Bottom;
  }
}

void FocusRectColor(TSeCanvas& canvas, const TRect& r, TColor color) {
  if (IsRectEmpty(r)) return;
  auto dot = [&](std::int32_t x, std::int32_t y) {
    if ((x - r.Left + y - r.Top) % 2 == 0) canvas.FillRect(Rect(x, y, x + 1, y + 1), color);
  };
  for (std::int32_t x = r.Left; x < r.Right; ++x) {
    dot(x, r.Top);
    if (r.Bottom - 1 > r.Top) dot(x, r.Bottom - 1);
  }
  for (std::int32_t y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    if (r.Right - 1 > r.Left) dot(r.Right - 1, y);
  }
}

void RoundRectColor(TSeCanvas& canvas, const TRect& r, TColor color, std::int32_t radius) {
  if (IsRectEmpty(r)) return;
  radius = std::clamp(radius, 0, std::min(RectWidth(r), RectHeight(r)) / 2);
  for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
    // Distance of the row's centre from the corner circles' centre line, if in a corner.
    const std::int32_t fromEdge = std::min(y - r.Top, r.Bottom - 1 - y);
    std::int32_t inset = 0;
    if (fromEdge < radius) {
      const double dy = radius - fromEdge - 0.5;
      inset = static_cast<std::int32_t>(std::lround(radius - std::sqrt(radius * radius - dy * dy)));
    }
    canvas.FillRect(Rect(r.Left + inset, y, r.Right - inset, y + 1), color);
  }
}

void GradientFill(TSeCanvas& canvas, const TRect& rect, TColor fromColor, bool vertical,
                  TColor toColor) {
  if (IsRectEmpty(rect)) return;
  const std::int32_t extent = vertical ? RectHeight(rect) : RectWidth(rect);
  const std::int32_t n = std::min(255, extent);
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  auto channel = [n](int i, int f, int t) {
    const double v = (double(i) * (t - f) * 255 / n + f * 255.0) / 255;
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255));
  };
  for (int i = 0; i <= n; ++i) {
    const std::int32_t a = MulDivRound(i, extent, n), b = MulDivRound(i + 1, extent, n);
    const TRect band = vertical ? Rect(rect.Left, rect.Top + a, rect.Right, rect.Top + b)
                                : Rect(rect.Left + a, rect.Top, rect.Left + b, rect.Bottom);
    const TRect clipped = IntersectRect(band, rect);
    if (IsRectEmpty(clipped)) continue;
    canvas.FillRect(clipped, RGBColor(channel(i, RedOf(from), RedOf(to)),
                                      channel(i, GreenOf(from), GreenOf(to)),
                                      channel(i, BlueOf(from), BlueOf(to))));
  }
}

void CheckerFill(TSeCanvas& canvas, TRect rect, TColor color1, TColor color2) {
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  TColor pattern[64];
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern[y * 8 + x] = (x % 2) == (y % 2) ? color2 : color1;
  canvas.FillPattern(rect, pattern);
}

int DrawTextSkin(TSeCanvas& canvas, std::u16string_view text, TRect rect, std::uint32_t format) {
  return canvas.DrawText(text, rect, format);
}

std::int32_t TextWidthSkin(TSeCanvas& canvas, std::u16string_view text, std::uint32_t format) {
  TRect r{};
  canvas.DrawText(text, r, format | SeTextFormat::tfCalcRect);
  return r.Right;
}

std::int32_t TextHeightSkin(TSeCanvas& canvas, std::u16string_view text) {
  TRect r{};
  canvas.DrawText(text, r, SeTextFormat::tfCalcRect);
  return r.Bottom;
}

std::u16string EllipsisText(TSeCanvas& canvas, std::u16string_view text, std::int32_t maxWidth) {
  if (canvas.TextExtent(text).cx <= maxWidth) return std::u16string(text);
  std::u16string result;
  for (char16_t c : text) {
    if (canvas.TextExtent(result + c + u"...").cx > maxWidth) break;
    result += c;
  }
  return result + u"...";
}

void DrawRotatedText(TSeCanvas& canvas, std::u16string_view text, const TRect& rect, bool clockwise,
                     std::uint32_t format) {
  const std::int32_t w = RectWidth(rect), h = RectHeight(rect);
  if (w <= 0 || h <= 0) return;
  // Draw upright into a bitmap turned on its side, then turn every text pixel into place.
  TSeBitmap upright;
  upright.SetSize(h, w);
  upright.Fill(kSeKeyColor);
  {
    auto c = CreateBitmapCanvas(upright);
    c->SetFont(canvas.Font());
    TRect r = upright.BoundsRect();
    c->DrawText(text, r, format);
  }
  TSeBitmap turned;
  turned.SetSize(w, h);
  turned.Fill(kSeKeyColor);
  for (std::int32_t y = 0; y < w; ++y) {
    const std::uint32_t* row = upright.Scanline(y);
    for (std::int32_t x = 0; x < h; ++x) {
      if ((row[x] & 0x00FFFFFF) == kSeKeyRGB) continue;
      if (clockwise)
        turned.SetPixel(w - 1 - y, x, row[x]);
      else
        turned.SetPixel(y, h - 1 - x, row[x]);
    }
  }
  turned.Draw(canvas, rect.Left, rect.Top, true);
}

TSeRegion CreateBitmapRegion(const TSeBitmap& bitmap, std::int32_t x, std::int32_t y) {
  TSeRegion region;
  if (bitmap.IsEmpty()) return region;
  region.Bounds = bitmap.BoundsRect();
  for (std::int32_t row = 0; row < bitmap.Height(); ++row) {
    const std::uint32_t* p = bitmap.Scanline(row);
    std::int32_t col = 0;
    while (col < bitmap.Width()) {
      if ((p[col] & 0x00FFFFFF) == kSeKeyRGB) {
        ++col;
        continue;
      }
      const std::int32_t start = col;
      while (col < bitmap.Width() && (p[col] & 0x00FFFFFF) != kSeKeyRGB) ++col;
      region.Rects.push_back(Rect(start + x, row + y, col + x, row + y + 1));
    }
  }
  return region;
}
