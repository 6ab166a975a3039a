#include "skin/objects/win/SeIcon.h"

void DrawIconCentered(TSeGdiCanvas& canvas, HICON icon, const TRect& rect) {
  if (!icon) return;
  const TRect at = CenterRect(Rect(0, 0, 16, 16), rect);
  DrawIconEx(canvas.Handle(), at.Left, at.Top, icon, 16, 16, 0, nullptr, DI_NORMAL);
  GdiFlush();
}
