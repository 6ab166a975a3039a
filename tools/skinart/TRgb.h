#pragma once

namespace skinart {

// An RGB colour of the painter; the skin's bitmaps store it as blue, green, red, alpha 0.
struct TRgb {
  int r = 0;
  int g = 0;
  int b = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
TRgb Mix(TRgb a, TRgb b, double t);
// The magenta that skin artists paint where a picture is transparent.
inline constexpr TRgb kMagenta{255, 0, 255};

}  // namespace skinart
