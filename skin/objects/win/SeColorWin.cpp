#include <windows.h>

#include "skin/objects/SeColor.h"

TColor ColorToRGB(TColor color) {
  if ((color & clSystemColor) == 0) return color;
  return static_cast<TColor>(GetSysColor(color & 0xFF));
}
