#include "skin/objects/SeHue.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds halves to even, as the framework's rounding does.
int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

double HueToChannel(double m1, double m2, double x) {
  x -= std::floor(x);
  if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
  if (2 * x < 1) return m2;
  if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
  return m1;
}

std::uint32_t Channel(double value) {
  return static_cast<std::uint32_t>(std::clamp(RoundEven(value * 255), 0, 255));
}

// red, green, blue bytes in; 0x00RRGGBB out.
std::uint32_t ShiftRGB(std::uint32_t red, std::uint32_t green, std::uint32_t blue, int delta) {
  // Which channel is largest is decided on the bytes: comparing doubles for equality is not
  // reliable where the compiler keeps some of them in wider registers (x87).
  const std::uint32_t maxByte = std::max({red, green, blue});
  const std::uint32_t minByte = std::min({red, green, blue});
  const double r = red / 255.0, g = green / 255.0, b = blue / 255.0;
  const double mx = maxByte / 255.0, mn = minByte / 255.0;
  const double l = (mx + mn) / 2;
  double h = 0, s = 0;
  if (maxByte != minByte) {
    const double d = mx - mn;
    s = l >= 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (maxByte == red)
      h = (g - b) / d;
    else if (maxByte == green)
      h = (b - r) / d + 2;
    else
      h = (r - g) / d + 4;
    h /= 6;
    if (h < 0) h += 1;
  }
  // 64-bit: the engine takes any DeltaHue, and the sum must not overflow.
  long long h8 = static_cast<long long>(RoundEven(h * 255)) + delta;
  if (h8 > 255) h8 -= 255;
  if (h8 < 0) h8 += 255;
  const double hue = static_cast<double>(h8) / 255.0;
  if (s == 0) {
    const std::uint32_t v = Channel(l);
    return (v << 16) | (v << 8) | v;
  }
  const double m2 = l > 0.5 ? l + s - l * s : l * (1 + s);
  const double m1 = 2 * l - m2;
  return (Channel(HueToChannel(m1, m2, hue + 1.0 / 3)) << 16) |
         (Channel(HueToChannel(m1, m2, hue)) << 8) | Channel(HueToChannel(m1, m2, hue - 1.0 / 3));
}

}  // namespace

std::uint32_t ShiftHuePixel(std::uint32_t pixel, int delta) {
  return 0xFF000000u | ShiftRGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, delta);
}

TColor ShiftHueColor(TColor color, int delta) {
  const TColor rgb = ColorToRGB(color);
  return PixelToColor(ShiftRGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb), delta));
}
