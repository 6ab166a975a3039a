#pragma once

#include <cstdint>

#include "skin/objects/Geometry.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeBitmapLink.h"
#include "skin/objects/TSeCanvas.h"

// The picture painting that bitmap objects share: a link's source painted into a rectangle
// tiled, stretched or centred, and the nine-grid with fixed borders. Unmasked parts come from
// the bitmap's device copy for the frame's objects and from the bitmap itself for the simpler
// family, as each family always did.
class TSeSkinPainter {
 public:
  enum class Unmasked : std::uint8_t { FromDeviceCopy, FromBitmap };

  struct Margins {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool Any() const { return Left != 0 || Top != 0 || Right != 0 || Bottom != 0; }
  };

  TSeSkinPainter(TSeCanvas& canvas, const TSeBitmapLink& link, bool masked, Unmasked unmasked)
      : canvas_(canvas), link_(link), masked_(masked), unmasked_(unmasked) {}

  void PaintPart(const TRect& source, const TRect& dest, TscTileStyle style);
  // Nine parts in a fixed order: centre, top, bottom, left, right, then the four corners.
  void PaintNineGrid(const TRect& bounds, const Margins& margins, TscTileStyle centreStyle,
                     TscTileStyle borderStyle);

 private:
  void Copy(const TRect& source, const TRect& dest);

  TSeCanvas& canvas_;
  const TSeBitmapLink& link_;
  bool masked_;
  Unmasked unmasked_;
};
