#pragma once

#include <vector>

#include "skin/objects/Geometry.h"

// A region as a list of rectangles with its bounds; the platform turns it into its own
// region handle only where a window takes it.
struct TSeRegion {
  TRect Bounds;
  std::vector<TRect> Rects;
  bool Contains(const TPoint& p) const {
    for (const TRect& r : Rects)
      if (PtInRect(r, p)) return true;
    return false;
  }
};
