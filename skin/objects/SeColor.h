#pragma once

#include <cstdint>

// Colours as the framework holds them: 0x00BBGGRR, or a system colour (high bit set, the
// index in the low byte), or clNone. Pixels of a TSeBitmap are 0xAARRGGBB instead.
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;

// The transparent key colour of skin bitmaps: masked drawing leaves out pixels whose low 24
// bits equal it.
inline constexpr std::uint32_t kSeKeyColor = 0x007F007F;
inline constexpr std::uint32_t kSeKeyRGB = 0x7F007F;

// A system colour resolved to its current value; other colours unchanged.
TColor ColorToRGB(TColor color);

inline std::uint8_t GetRValue(TColor c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
inline std::uint8_t GetGValue(TColor c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
inline std::uint8_t GetBValue(TColor c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
inline TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

// The pixel a solid fill leaves in a 32-bit bitmap: the colour's channels, alpha 0.
inline std::uint32_t ColorToPixel(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return (std::uint32_t{GetRValue(rgb)} << 16) | (std::uint32_t{GetGValue(rgb)} << 8) |
         GetBValue(rgb);
}
inline TColor PixelToColor(std::uint32_t p) {
  return RGBColor(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                  static_cast<std::uint8_t>(p));
}
