#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace skinart {

// An RGB colour of the painter; the skin's bitmaps store it as blue, green, red, alpha 0.
struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
// The magenta that skin artists paint where a picture is transparent.
inline constexpr Rgb kMagenta{255, 0, 255};

// A small raster for drawing skin pictures: solid and gradient fills, anti-aliased rounded
// rectangles and polylines. Coverage is found by 4 x 4 supersampling. Edges that fall on
// magenta are never blended with it (a pink fringe would show on any background): such a pixel
// takes the colour when at least half covered and stays transparent otherwise.
class ArtCanvas {
 public:
  using Paint = std::function<Rgb(double x, double y)>;

  ArtCanvas(int width, int height, Rgb fill = kMagenta);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);
  // Puts `colour` over the pixel with coverage `a` (0..1), honouring the magenta rule.
  void Blend(int x, int y, Rgb colour, double a);

  void FillRect(int left, int top, int right, int bottom, Rgb colour);
  void FillRect(int left, int top, int right, int bottom, const Paint& paint);
  // Rounded rectangle over the real rectangle (left, top, right, bottom) with corner radius r.
  void FillRoundRect(double left, double top, double right, double bottom, double r,
                     const Paint& paint);
  void FillRoundRect(double left, double top, double right, double bottom, double r, Rgb c);
  // A ring: the rounded rectangle minus the same one inset by `thickness`.
  void StrokeRoundRect(double left, double top, double right, double bottom, double r,
                       double thickness, Rgb colour);
  void FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint);
  void FillEllipse(double cx, double cy, double rx, double ry, Rgb colour);
  // A thick anti-aliased polyline through points given in pixel-centre coordinates.
  void Polyline(const std::vector<std::pair<double, double>>& points, double width, Rgb colour);
  // Filled polygon (even-odd), anti-aliased.
  void FillPolygon(const std::vector<std::pair<double, double>>& points, Rgb colour);

  void HLine(int x0, int x1, int y, Rgb colour);  // x1 exclusive
  void VLine(int x, int y0, int y1, Rgb colour);  // y1 exclusive
  // Copies a part of another canvas to (x, y); magenta pixels of the source are skipped when
  // `masked`.
  void Copy(const ArtCanvas& source, int sx, int sy, int w, int h, int x, int y,
            bool masked = false);

  // Vertical gradient paint from `top` at y0 to `bottom` at y1.
  static Paint VGradient(double y0, double y1, Rgb top, Rgb bottom);
  static Paint HGradient(double x0, double x1, Rgb left, Rgb right);
  static Paint Solid(Rgb colour);

 private:
  void Cover(int left, int top, int right, int bottom,
             const std::function<bool(double, double)>& inside, const Paint& paint);

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace skinart
