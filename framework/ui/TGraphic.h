#pragma once

// A picture that a canvas can draw: bitmaps and icons.

#include <windows.h>

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // Draws the whole picture stretched into rect of dc.
  virtual void DrawTo(HDC dc, const RECT& rect) = 0;
};
