#pragma once

#include <cstdint>

#include "framework/core/Color.h"

// Colours as the framework holds them: 0x00BBGGRR, or a system colour (high bit set, the
// index in the low byte), or clNone. Pixels of a TSeBitmap are 0xAARRGGBB instead.
// TColor and the colour names are the framework's, so skin objects can publish colours.

// The transparent key colour of skin bitmaps: masked drawing leaves out pixels whose low 24
// bits equal it.
inline constexpr std::uint32_t kSeKeyColor = 0x007F007F;
inline constexpr std::uint32_t kSeKeyRGB = 0x7F007F;

inline std::uint8_t RedOf(TColor c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
inline std::uint8_t GreenOf(TColor c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
inline std::uint8_t BlueOf(TColor c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
inline TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

// The pixel a solid fill leaves in a 32-bit bitmap: the colour's channels, alpha 0.
inline std::uint32_t ColorToPixel(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return (std::uint32_t{RedOf(rgb)} << 16) | (std::uint32_t{GreenOf(rgb)} << 8) | BlueOf(rgb);
}
inline TColor PixelToColor(std::uint32_t p) {
  return RGBColor(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                  static_cast<std::uint8_t>(p));
}
