#include <iterator>

#include "framework/core/Color.h"

// Without a platform, system colours take the classic scheme's values.
TColor ColorToRGB(TColor color) {
  if ((color & clSystemColor) == 0) return color;
  static constexpr TColor kClassic[] = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF6633, 0xF0F0F0};
  const auto index = static_cast<std::uint32_t>(color & 0xFF);
  return index < std::size(kClassic) ? kClassic[index] : 0;
}
