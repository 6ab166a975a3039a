#include "skin/store/SePackedBitmap.h"

#include <bit>

#include "skin/objects/TSeBitmap.h"
#include "skin/store/ESeSkinFormatError.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
// The same bound as a skin bitmap's own: four bytes a pixel must fit in an int32.
constexpr std::int64_t kMaxPixels = 0x7FFFFFFF / 4;

[[noreturn]] void Invalid() {
  throw ESeSkinFormatError(SkinStoreMessages::SInvalidBitmap);
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
std::uint32_t Get16(const std::uint8_t* p) {
  return p[0] | (std::uint32_t{p[1]} << 8);
}
std::uint32_t Get32(const std::uint8_t* p) {
  return Get16(p) | (Get16(p + 2) << 16);
}

// One channel of a bit-field pixel widened to 8 bits.
struct TChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static TChannel Of(std::uint32_t mask) {
    TChannel c;
    if (mask == 0) Invalid();
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    // Holes in a mask mean a file we did not write and cannot read sensibly.
    if ((mask >> c.shift) != ((c.bits == 32) ? 0xFFFFFFFFu : ((1u << c.bits) - 1))) Invalid();
    return c;
  }
  std::uint32_t Get(std::uint32_t pixel) const {
    std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    // Repeat the top bits into the low ones: 5 bits 11111 become 11111111.
    std::uint32_t wide = 0;
    for (int filled = 0; filled < 8; filled += bits) wide = (wide << bits) | v;
    const int excess = ((8 + bits - 1) / bits) * bits - 8;
    return (wide >> excess) & 0xFF;
  }
};

}  // namespace

std::vector<std::uint8_t> EncodePackedBitmap(const TSeBitmap& bitmap) {
  const std::uint32_t w = static_cast<std::uint32_t>(bitmap.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(bitmap.Height());
  const std::uint32_t stride = (w * 2 + 3) & ~3u;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 12;
  const std::uint32_t imageSize = stride * h;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, w);
  Put32(out, h);  // positive: bottom-up rows, as most readers expect
  Put16(out, 1);
  Put16(out, 16);
  Put32(out, kBiBitfields);
  Put32(out, imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0xF800);
  Put32(out, 0x07E0);
  Put32(out, 0x001F);
  for (std::uint32_t y = h; y-- > 0;) {
    const std::uint32_t* row = bitmap.Scanline(static_cast<std::int32_t>(y));
    for (std::uint32_t x = 0; x < w; ++x) {
      const std::uint32_t p = row[x];
      Put16(out, ((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x001F));
    }
    for (std::uint32_t pad = w * 2; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

void DecodePackedBitmap(const std::uint8_t* data, std::size_t size, TSeBitmap& bitmap) {
  if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') Invalid();
  const std::uint32_t offBits = Get32(data + 10);
  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t infoSize = Get32(info);
  if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) Invalid();
  const std::int32_t width = static_cast<std::int32_t>(Get32(info + 4));
  const std::int32_t rawHeight = static_cast<std::int32_t>(Get32(info + 8));
  const std::uint32_t planes = Get16(info + 12);
  const std::uint32_t bitCount = Get16(info + 14);
  const std::uint32_t compression = Get32(info + 16);
  if (planes != 1 || width < 0 || rawHeight == INT32_MIN) Invalid();
  if (bitCount != 16 && bitCount != 24 && bitCount != 32) Invalid();
  const bool bottomUp = rawHeight > 0;
  const std::int64_t height = bottomUp ? rawHeight : -std::int64_t{rawHeight};

  TChannel red, green, blue;
  if (compression == kBiBitfields) {
    if (bitCount == 24) Invalid();
    // The three masks follow a plain info header, or sit inside a larger one.
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (size < at + 12) Invalid();
    red = TChannel::Of(Get32(data + at));
    green = TChannel::Of(Get32(data + at + 4));
    blue = TChannel::Of(Get32(data + at + 8));
  } else if (compression == kBiRgb) {
    if (bitCount == 16) {
      red = TChannel::Of(0x7C00);
      green = TChannel::Of(0x03E0);
      blue = TChannel::Of(0x001F);
    } else {
      red = TChannel::Of(0xFF0000);
      green = TChannel::Of(0x00FF00);
      blue = TChannel::Of(0x0000FF);
    }
  } else {
    Invalid();
  }

  if (width == 0 || height == 0) return;  // an empty picture
  if (std::int64_t{width} * height > kMaxPixels) Invalid();
  const std::int64_t stride = ((std::int64_t{width} * bitCount + 31) / 32) * 4;
  if (offBits > size || stride * height > static_cast<std::int64_t>(size - offBits)) Invalid();

  bitmap.SetSize(width, static_cast<std::int32_t>(height));
  if (bitmap.Width() != width || bitmap.Height() != height) Invalid();
  const std::uint32_t bytesPerPixel = bitCount / 8;
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* row = data + offBits + (bottomUp ? height - 1 - y : y) * stride;
    std::uint32_t* to = bitmap.Scanline(static_cast<std::int32_t>(y));
    for (std::int32_t x = 0; x < width; ++x, row += bytesPerPixel) {
      const std::uint32_t p = bytesPerPixel == 2   ? Get16(row)
                              : bytesPerPixel == 3 ? (Get16(row) | (std::uint32_t{row[2]} << 16))
                                                   : Get32(row);
      to[x] = (red.Get(p) << 16) | (green.Get(p) << 8) | blue.Get(p);
    }
  }
}
