#pragma once

// Colour values on the platform: core colours (framework/core/Color.h) to COLORREF.

#include <windows.h>

#include "framework/core/Color.h"

// The RGB value the colour stands for now (system colours follow the user's scheme).
inline COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}
