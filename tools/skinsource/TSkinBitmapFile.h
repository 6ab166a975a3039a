#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSeBitmap;

namespace skinsource {

// A skin picture as a .bmp file that image editors open. Written as 32 bits per pixel,
// uncompressed, rows bottom-up, the fourth byte carrying the pixel's alpha; key-coloured
// pixels are written as the magenta skin artists paint (255, 0, 255).
//
// Read as editors save pictures: 24 or 32 bits per pixel (uncompressed or with the plain
// 8-8-8 bit fields), or 1, 4 or 8 bits per pixel through a palette, uncompressed or (8 bits)
// run-length encoded; rows either way up. The fourth byte of a 32-bit file becomes the alpha;
// other files give alpha 0. Pixels that a run-length encoded file skips are magenta, as if the
// artist had left them transparent. The picture comes back as the file holds it: turning
// magenta into the key colour is the caller's step.
class TSkinBitmapFile {
 public:
  // The largest side, and the most pixels: no more than a skin's content can carry at its
  // most compact (the packed filter's 16 bits a pixel), so every skin extracts and builds.
  static constexpr std::int32_t kMaxSide = 16384;
  static constexpr std::int64_t kMaxPixels = std::int64_t{8} << 20;
  // A run-length encoded file gives at most 255 pixels for each two bytes of runs; one that
  // claims more pixels than this many per byte of its data leaves most of them unwritten.
  static constexpr std::int64_t kMaxRunExpansion = 128;

  static std::vector<std::uint8_t> Encode(const TSeBitmap& bitmap);
  // Every header field, count and size is checked against the bytes present before anything
  // is allocated or a pixel is touched; throws ESkinSourceError(what is wrong).
  static std::unique_ptr<TSeBitmap> Decode(const std::vector<std::uint8_t>& bytes);
};

}  // namespace skinsource
