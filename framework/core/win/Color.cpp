#include <windows.h>

#include "framework/core/Color.h"

TColor ColorToRGB(TColor color) {
  if ((color & clSystemColor) == 0) return color;
  return static_cast<TColor>(GetSysColor(color & 0xFF));
}
