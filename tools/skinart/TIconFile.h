#pragma once

#include <cstdint>
#include <vector>

#include "tools/skinart/TRgb.h"

namespace skinart {

// One picture of an icon: its pixels row by row from the top, magenta where it is transparent.
struct TIconImage {
  int width = 0;
  int height = 0;
  // 4: the sixteen colours of the classic palette (each pixel takes the nearest one);
  // 32: true colour with an alpha channel.
  int bitsPerPixel = 32;
  std::vector<TRgb> pixels;
};

// Writes the Windows icon format (.ico): a directory of images, each stored as a bottom-up DIB
// of twice the height (colour rows, then the one-bit transparency mask), rows padded to four
// bytes, all integers little-endian.
class TIconFile {
 public:
  static std::vector<std::uint8_t> Encode(const std::vector<TIconImage>& images);
  // The classic sixteen-colour palette (black, the dark colours, silver, grey, the bright
  // colours, white), in the order of its indexes.
  static const std::vector<TRgb>& Palette16();
  static int NearestIndex(TRgb colour);
};

}  // namespace skinart
