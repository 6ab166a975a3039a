#include "tools/skinart/TIconPainter.h"

namespace skinart {

TArtCanvas TIconPainter::Paint(int size, bool paletted) {
  TArtCanvas canvas(size, size);
  const double s = size;
  const double inset = s / 32.0;
  const TRgb white{255, 255, 255};
  const TRgb gold = paletted ? TRgb{255, 255, 0} : TRgb{250, 200, 60};
  const TRgb blue = paletted ? TRgb{0, 0, 128} : TRgb{30, 80, 160};
  if (paletted)
    canvas.FillRoundRect(inset, inset, s - inset, s - inset, s * 0.2, blue);
  else
    canvas.FillRoundRect(inset, inset, s - inset, s - inset, s * 0.2,
                         TArtCanvas::VGradient(0, s, TRgb{60, 120, 210}, blue));
  // The ring of the "Q": a white disc with the background's disc inside it.
  const double cx = s * 0.47;
  const double cy = s * 0.46;
  canvas.FillEllipse(cx, cy, s * 0.30, s * 0.30, white);
  canvas.FillEllipse(cx, cy, s * 0.17, s * 0.17, paletted ? blue : TRgb{45, 100, 185});
  canvas.Polyline({{s * 0.55, s * 0.58}, {s * 0.80, s * 0.83}}, s * 0.12, gold);
  return canvas;
}

std::vector<TIconImage> TIconPainter::Images() {
  std::vector<TIconImage> images;
  const struct {
    int size;
    int bits;
  } kinds[] = {{16, 4}, {32, 4}, {16, 32}, {32, 32}, {48, 32}, {256, 32}};
  for (const auto& kind : kinds) {
    const TArtCanvas canvas = Paint(kind.size, kind.bits == 4);
    TIconImage image;
    image.width = kind.size;
    image.height = kind.size;
    image.bitsPerPixel = kind.bits;
    for (int y = 0; y < kind.size; ++y)
      for (int x = 0; x < kind.size; ++x) image.pixels.push_back(canvas.At(x, y));
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace skinart
