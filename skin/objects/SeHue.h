#pragma once

#include <cstdint>

#include "skin/objects/SeColor.h"

// Hue shift by Delta steps of 1/255 of the colour circle, through hue, saturation and
// lightness. The hue wraps by 255 (not 256), once each way, so 256 becomes 1 and -1 becomes
// 254; even Delta 0 may move a colour by rounding.
// A pixel 0xAARRGGBB; the result is opaque.
std::uint32_t ShiftHuePixel(std::uint32_t pixel, int delta);
// A colour property: system colours are resolved first; the result is a plain colour.
TColor ShiftHueColor(TColor color, int delta);
