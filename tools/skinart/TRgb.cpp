#include "tools/skinart/TRgb.h"

#include <algorithm>
#include <cmath>

namespace skinart {

TRgb Mix(TRgb a, TRgb b, double t) {
  const auto channel = [t](int from, int to) {
    return std::clamp(static_cast<int>(std::lround(from + (to - from) * t)), 0, 255);
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

}  // namespace skinart
