#include "skin/objects/TSeSkinPainter.h"

#include <algorithm>

#include "skin/objects/TSeBitmap.h"

namespace {
bool HasArea(const TRect& r) {
  return !IsRectEmpty(r);
}
}  // namespace

void TSeSkinPainter::Copy(const TRect& source, const TRect& dest) {
  const TSeBitmap* image = link_.GetImage();
  if (image == nullptr) return;
  if (masked_) {
    image->StretchDraw(canvas_, dest, true, source);
  } else if (unmasked_ == Unmasked::FromDeviceCopy) {
    image->DeviceDraw(canvas_, dest, source);
  } else {
    image->StretchDraw(canvas_, dest, false, source);
  }
}

void TSeSkinPainter::PaintPart(const TRect& source, const TRect& dest, TscTileStyle style) {
  if (!HasArea(source) || !HasArea(dest)) return;
  const std::int32_t sw = RectWidth(source);
  const std::int32_t sh = RectHeight(source);
  switch (style) {
    case TscTileStyle::tsTile:
      for (std::int32_t x = dest.Left; x < dest.Right; x += sw) {
        for (std::int32_t y = dest.Top; y < dest.Bottom; y += sh) {
          // A tile cut by the destination's edge shows the beginning of the source, unscaled.
          const std::int32_t w = std::min(sw, dest.Right - x);
          const std::int32_t h = std::min(sh, dest.Bottom - y);
          Copy(Bounds(source.Left, source.Top, w, h), Bounds(x, y, w, h));
        }
      }
      break;
    case TscTileStyle::tsStretch:
      Copy(source, dest);
      break;
    case TscTileStyle::tsCenter:
      // Unscaled; a source larger than the target reaches beyond it on both sides.
      Copy(source, Bounds(dest.Left + (RectWidth(dest) - sw) / 2,
                          dest.Top + (RectHeight(dest) - sh) / 2, sw, sh));
      break;
  }
}

void TSeSkinPainter::PaintNineGrid(const TRect& bounds, const Margins& m, TscTileStyle centreStyle,
                                   TscTileStyle borderStyle) {
  const TRect s = link_.GetRect();
  const std::int32_t w = RectWidth(bounds);
  const std::int32_t h = RectHeight(bounds);
  auto at = [&](std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    return TRect{bounds.Left + l, bounds.Top + t, bounds.Left + r, bounds.Top + b};
  };
  // Parts of an object smaller than its margins have no area and are skipped.
  PaintPart({s.Left + m.Left, s.Top + m.Top, s.Right - m.Right, s.Bottom - m.Bottom},
            at(m.Left, m.Top, w - m.Right, h - m.Bottom), centreStyle);
  PaintPart({s.Left + m.Left, s.Top, s.Right - m.Right, s.Top + m.Top},
            at(m.Left, 0, w - m.Right, m.Top), borderStyle);
  PaintPart({s.Left + m.Left, s.Bottom - m.Bottom, s.Right - m.Right, s.Bottom},
            at(m.Left, h - m.Bottom, w - m.Right, h), borderStyle);
  PaintPart({s.Left, s.Top + m.Top, s.Left + m.Left, s.Bottom - m.Bottom},
            at(0, m.Top, m.Left, h - m.Bottom), borderStyle);
  PaintPart({s.Right - m.Right, s.Top + m.Top, s.Right, s.Bottom - m.Bottom},
            at(w - m.Right, m.Top, w, h - m.Bottom), borderStyle);
  auto corner = [&](const TRect& source, std::int32_t x, std::int32_t y) {
    if (!HasArea(source)) return;
    Copy(source, at(x, y, x + RectWidth(source), y + RectHeight(source)));
  };
  corner({s.Left, s.Top, s.Left + m.Left, s.Top + m.Top}, 0, 0);
  corner({s.Right - m.Right, s.Top, s.Right, s.Top + m.Top}, w - m.Right, 0);
  corner({s.Left, s.Bottom - m.Bottom, s.Left + m.Left, s.Bottom}, 0, h - m.Bottom);
  corner({s.Right - m.Right, s.Bottom - m.Bottom, s.Right, s.Bottom}, w - m.Right, h - m.Bottom);
}
