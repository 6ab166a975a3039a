#include "tools/skinart/TArtCanvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "skin/objects/TSeBitmap.h"

namespace skinart {

namespace {
constexpr int kSamples = 4;

// Distance from (px, py) to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const double qx = ax + t * dx - px;
  const double qy = ay + t * dy - py;
  return std::sqrt(qx * qx + qy * qy);
}

bool InRoundRect(double x, double y, double l, double t, double r, double b, double rad) {
  if (x < l || x >= r || y < t || y >= b) return false;
  rad = std::min({rad, (r - l) / 2, (b - t) / 2});
  if (rad <= 0) return true;
  const double cx = std::clamp(x, l + rad, r - rad);
  const double cy = std::clamp(y, t + rad, b - rad);
  const double dx = x - cx;
  const double dy = y - cy;
  return dx * dx + dy * dy <= rad * rad;
}
}  // namespace

TArtCanvas::TArtCanvas(int width, int height, TRgb fill) : width_(width), height_(height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
    throw std::invalid_argument("canvas size out of range");
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

TRgb TArtCanvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kMagenta;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void TArtCanvas::Set(int x, int y, TRgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void TArtCanvas::Blend(int x, int y, TRgb colour, double a) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0) return;
  TRgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  if (p == kMagenta) {
    if (a >= 0.5) p = colour;
    return;
  }
  p = Mix(p, colour, std::min(a, 1.0));
}

void TArtCanvas::FillRect(int left, int top, int right, int bottom, TRgb colour) {
  FillRect(left, top, right, bottom, Solid(colour));
}

void TArtCanvas::FillRect(int left, int top, int right, int bottom, const Paint& paint) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
      Set(x, y, paint(x + 0.5, y + 0.5));
}

void TArtCanvas::Cover(int left, int top, int right, int bottom,
                       const std::function<bool(double, double)>& inside, const Paint& paint) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
      if (hits == 0) continue;
      const TRgb c = paint(x + 0.5, y + 0.5);
      if (hits == kSamples * kSamples)
        Set(x, y, c);
      else
        Blend(x, y, c, static_cast<double>(hits) / (kSamples * kSamples));
    }
  }
}

void TArtCanvas::FillRoundRect(double l, double t, double r, double b, double rad,
                               const Paint& paint) {
  Cover(
      static_cast<int>(std::floor(l)), static_cast<int>(std::floor(t)),
      static_cast<int>(std::ceil(r)), static_cast<int>(std::ceil(b)),
      [=](double x, double y) { return InRoundRect(x, y, l, t, r, b, rad); }, paint);
}

void TArtCanvas::FillRoundRect(double l, double t, double r, double b, double rad, TRgb c) {
  FillRoundRect(l, t, r, b, rad, Solid(c));
}

void TArtCanvas::StrokeRoundRect(double l, double t, double r, double b, double rad,
                                 double thickness, TRgb colour) {
  const double inner = std::max(rad - thickness, 0.0);
  Cover(
      static_cast<int>(std::floor(l)), static_cast<int>(std::floor(t)),
      static_cast<int>(std::ceil(r)), static_cast<int>(std::ceil(b)),
      [=](double x, double y) {
        return InRoundRect(x, y, l, t, r, b, rad) &&
               !InRoundRect(x, y, l + thickness, t + thickness, r - thickness, b - thickness,
                            inner);
      },
      Solid(colour));
}

void TArtCanvas::FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint) {
  Cover(
      static_cast<int>(std::floor(cx - rx)), static_cast<int>(std::floor(cy - ry)),
      static_cast<int>(std::ceil(cx + rx)), static_cast<int>(std::ceil(cy + ry)),
      [=](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
      },
      paint);
}

void TArtCanvas::FillEllipse(double cx, double cy, double rx, double ry, TRgb colour) {
  FillEllipse(cx, cy, rx, ry, Solid(colour));
}

void TArtCanvas::Polyline(const std::vector<std::pair<double, double>>& points, double width,
                          TRgb colour) {
  if (points.empty()) return;
  double minX = points[0].first, maxX = minX, minY = points[0].second, maxY = minY;
  for (const auto& [x, y] : points) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  const double half = width / 2;
  Cover(
      static_cast<int>(std::floor(minX - half)), static_cast<int>(std::floor(minY - half)),
      static_cast<int>(std::ceil(maxX + half)) + 1, static_cast<int>(std::ceil(maxY + half)) + 1,
      [&](double x, double y) {
        // Points are pixel centres, so shift the sample back by half a pixel.
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
          if (SegmentDistance(x - 0.5, y - 0.5, points[i].first, points[i].second,
                              points[i + 1].first, points[i + 1].second) <= half)
            return true;
        return points.size() == 1 &&
               SegmentDistance(x - 0.5, y - 0.5, points[0].first, points[0].second, points[0].first,
                               points[0].second) <= half;
      },
      Solid(colour));
}

void TArtCanvas::FillPolygon(const std::vector<std::pair<double, double>>& points, TRgb colour) {
  if (points.size() < 3) return;
  double minX = points[0].first, maxX = minX, minY = points[0].second, maxY = minY;
  for (const auto& [x, y] : points) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  Cover(
      static_cast<int>(std::floor(minX)), static_cast<int>(std::floor(minY)),
      static_cast<int>(std::ceil(maxX)), static_cast<int>(std::ceil(maxY)),
      [&](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const auto [xi, yi] = points[i];
          const auto [xj, yj] = points[j];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
      },
      Solid(colour));
}

void TArtCanvas::HLine(int x0, int x1, int y, TRgb colour) {
  FillRect(x0, y, x1, y + 1, colour);
}

void TArtCanvas::VLine(int x, int y0, int y1, TRgb colour) {
  FillRect(x, y0, x + 1, y1, colour);
}

void TArtCanvas::Copy(const TArtCanvas& source, int sx, int sy, int w, int h, int x, int y,
                      bool masked) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const TRgb c = source.At(sx + i, sy + j);
      if (masked && c == kMagenta) continue;
      Set(x + i, y + j, c);
    }
}

TArtCanvas::Paint TArtCanvas::VGradient(double y0, double y1, TRgb top, TRgb bottom) {
  return [=](double, double y) {
    const double span = y1 - y0;
    return Mix(top, bottom, span > 0 ? std::clamp((y - y0) / span, 0.0, 1.0) : 0.0);
  };
}

TArtCanvas::Paint TArtCanvas::HGradient(double x0, double x1, TRgb left, TRgb right) {
  return [=](double x, double) {
    const double span = x1 - x0;
    return Mix(left, right, span > 0 ? std::clamp((x - x0) / span, 0.0, 1.0) : 0.0);
  };
}

TArtCanvas::Paint TArtCanvas::Solid(TRgb colour) {
  return [=](double, double) { return colour; };
}

std::unique_ptr<TSeBitmap> TArtCanvas::ToBitmap() const {
  auto bitmap = std::make_unique<TSeBitmap>();
  bitmap->SetSize(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const TRgb c = At(x, y);
      bitmap->SetPixel(x, y,
                       (static_cast<std::uint32_t>(c.r) << 16) |
                           (static_cast<std::uint32_t>(c.g) << 8) |
                           static_cast<std::uint32_t>(c.b));
    }
  return bitmap;
}

}  // namespace skinart
