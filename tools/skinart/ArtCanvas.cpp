#include "tools/skinart/ArtCanvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace skinart {

namespace {
constexpr int kSamples = 4;

int Clamp255(double v) {
  return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

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

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Clamp255(a.r + (b.r - a.r) * t), Clamp255(a.g + (b.g - a.g) * t),
          Clamp255(a.b + (b.b - a.b) * t)};
}

ArtCanvas::ArtCanvas(int width, int height, Rgb fill) : width_(width), height_(height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
    throw std::invalid_argument("canvas size out of range");
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Rgb ArtCanvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kMagenta;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void ArtCanvas::Set(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void ArtCanvas::Blend(int x, int y, Rgb colour, double a) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0) return;
  Rgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  if (p == kMagenta) {
    if (a >= 0.5) p = colour;
    return;
  }
  p = Mix(p, colour, std::min(a, 1.0));
}

void ArtCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  FillRect(left, top, right, bottom, Solid(colour));
}

void ArtCanvas::FillRect(int left, int top, int right, int bottom, const Paint& paint) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
      Set(x, y, paint(x + 0.5, y + 0.5));
}

void ArtCanvas::Cover(int left, int top, int right, int bottom,
                      const std::function<bool(double, double)>& inside, const Paint& paint) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
      if (hits == 0) continue;
      const Rgb c = paint(x + 0.5, y + 0.5);
      if (hits == kSamples * kSamples)
        Set(x, y, c);
      else
        Blend(x, y, c, static_cast<double>(hits) / (kSamples * kSamples));
    }
  }
}

void ArtCanvas::FillRoundRect(double l, double t, double r, double b, double rad,
                              const Paint& paint) {
  Cover(
      static_cast<int>(std::floor(l)), static_cast<int>(std::floor(t)),
      static_cast<int>(std::ceil(r)), static_cast<int>(std::ceil(b)),
      [=](double x, double y) { return InRoundRect(x, y, l, t, r, b, rad); }, paint);
}

void ArtCanvas::FillRoundRect(double l, double t, double r, double b, double rad, Rgb c) {
  FillRoundRect(l, t, r, b, rad, Solid(c));
}

void ArtCanvas::StrokeRoundRect(double l, double t, double r, double b, double rad,
                                double thickness, Rgb colour) {
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

void ArtCanvas::FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint) {
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

void ArtCanvas::FillEllipse(double cx, double cy, double rx, double ry, Rgb colour) {
  FillEllipse(cx, cy, rx, ry, Solid(colour));
}

void ArtCanvas::Polyline(const std::vector<std::pair<double, double>>& points, double width,
                         Rgb colour) {
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

void ArtCanvas::FillPolygon(const std::vector<std::pair<double, double>>& points, Rgb colour) {
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

void ArtCanvas::HLine(int x0, int x1, int y, Rgb colour) {
  FillRect(x0, y, x1, y + 1, colour);
}

void ArtCanvas::VLine(int x, int y0, int y1, Rgb colour) {
  FillRect(x, y0, x + 1, y1, colour);
}

void ArtCanvas::Copy(const ArtCanvas& source, int sx, int sy, int w, int h, int x, int y,
                     bool masked) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const Rgb c = source.At(sx + i, sy + j);
      if (masked && c == kMagenta) continue;
      Set(x + i, y + j, c);
    }
}

ArtCanvas::Paint ArtCanvas::VGradient(double y0, double y1, Rgb top, Rgb bottom) {
  return [=](double, double y) {
    const double span = y1 - y0;
    return Mix(top, bottom, span > 0 ? std::clamp((y - y0) / span, 0.0, 1.0) : 0.0);
  };
}

ArtCanvas::Paint ArtCanvas::HGradient(double x0, double x1, Rgb left, Rgb right) {
  return [=](double x, double) {
    const double span = x1 - x0;
    return Mix(left, right, span > 0 ? std::clamp((x - x0) / span, 0.0, 1.0) : 0.0);
  };
}

ArtCanvas::Paint ArtCanvas::Solid(Rgb colour) {
  return [=](double, double) { return colour; };
}

}  // namespace skinart
