#pragma once

// The few plain GDI strokes the controls draw their platform looks with.

#include <windows.h>

#include "framework/core/Color.h"
#include "framework/core/win/Handles.h"
#include "skin/objects/Geometry.h"

inline RECT ToRect(const TRect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

inline void FillSolid(HDC dc, const RECT& r, TColor color) {
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &r, brush.Get());
}

// One pixel: light top and left, dark bottom and right.
inline void Edge(HDC dc, const RECT& r, TColor light, TColor dark) {
  FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, light);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, light);
  FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
  FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
}
