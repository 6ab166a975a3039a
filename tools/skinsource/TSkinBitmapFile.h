#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSeBitmap;

namespace skinsource {

// A skin picture as a .bmp file that image editors open. Written as 32 bits per pixel,
// uncompressed, rows bottom-up, the fourth byte carrying the pixel's alpha; key-coloured
// pixels are written as the magenta skin artists paint (255, 0, 255). Read from 24- or 32-bit
// files, uncompressed or with the plain 8-8-8 bit fields, rows either way up; the fourth byte
// of a 32-bit file becomes the alpha. The picture comes back as the file holds it: turning
// magenta into the key colour is the caller's step.
class TSkinBitmapFile {
 public:
  static constexpr std::int32_t kMaxSide = 16384;

  static std::vector<std::uint8_t> Encode(const TSeBitmap& bitmap);
  // Every header field is checked against the bytes present before pixels are touched;
  // throws ESkinSourceError(what is wrong).
  static std::unique_ptr<TSeBitmap> Decode(const std::vector<std::uint8_t>& bytes);
};

}  // namespace skinsource
