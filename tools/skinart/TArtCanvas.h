#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "tools/skinart/TRgb.h"

class TSeBitmap;

namespace skinart {

// A small raster for drawing skin pictures: solid and gradient fills, anti-aliased rounded
// rectangles and polylines. Coverage is found by 4 x 4 supersampling. Edges that fall on
// magenta are never blended with it (a pink fringe would show on any background): such a pixel
// takes the colour when at least half covered and stays transparent otherwise.
class TArtCanvas {
 public:
  using Paint = std::function<TRgb(double x, double y)>;

  TArtCanvas(int width, int height, TRgb fill = kMagenta);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TRgb At(int x, int y) const;
  void Set(int x, int y, TRgb colour);
  // Puts `colour` over the pixel with coverage `a` (0..1), honouring the magenta rule.
  void Blend(int x, int y, TRgb colour, double a);

  void FillRect(int left, int top, int right, int bottom, TRgb colour);
  void FillRect(int left, int top, int right, int bottom, const Paint& paint);
  // Rounded rectangle over the real rectangle (left, top, right, bottom) with corner radius r.
  void FillRoundRect(double left, double top, double right, double bottom, double r,
                     const Paint& paint);
  void FillRoundRect(double left, double top, double right, double bottom, double r, TRgb c);
  // A ring: the rounded rectangle minus the same one inset by `thickness`.
  void StrokeRoundRect(double left, double top, double right, double bottom, double r,
                       double thickness, TRgb colour);
  void FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint);
  void FillEllipse(double cx, double cy, double rx, double ry, TRgb colour);
  // A thick anti-aliased polyline through points given in pixel-centre coordinates.
  void Polyline(const std::vector<std::pair<double, double>>& points, double width, TRgb colour);
  // Filled polygon (even-odd), anti-aliased.
  void FillPolygon(const std::vector<std::pair<double, double>>& points, TRgb colour);

  void HLine(int x0, int x1, int y, TRgb colour);  // x1 exclusive
  void VLine(int x, int y0, int y1, TRgb colour);  // y1 exclusive
  // The picture as a skin bitmap: 0x00RRGGBB, alpha 0 as the sources store it.
  std::unique_ptr<TSeBitmap> ToBitmap() const;
  // Copies a part of another canvas to (x, y); magenta pixels of the source are skipped when
  // `masked`.
  void Copy(const TArtCanvas& source, int sx, int sy, int w, int h, int x, int y,
            bool masked = false);

  // Vertical gradient paint from `top` at y0 to `bottom` at y1.
  static Paint VGradient(double y0, double y1, TRgb top, TRgb bottom);
  static Paint HGradient(double x0, double x1, TRgb left, TRgb right);
  static Paint Solid(TRgb colour);

 private:
  void Cover(int left, int top, int right, int bottom,
             const std::function<bool(double, double)>& inside, const Paint& paint);

  int width_;
  int height_;
  std::vector<TRgb> pixels_;
};

}  // namespace skinart
