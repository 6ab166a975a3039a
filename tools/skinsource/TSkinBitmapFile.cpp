#include "tools/skinsource/TSkinBitmapFile.h"

#include "skin/objects/SeBitmap.h"
#include "skin/objects/SeColor.h"
#include "tools/skinsource/ESkinSourceError.h"

namespace skinsource {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
std::uint32_t Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8);
}
std::uint32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return Get16(in, at) | (Get16(in, at + 2) << 16);
}
std::int64_t GetSigned32(const std::vector<std::uint8_t>& in, std::size_t at) {
  const std::uint32_t u = Get32(in, at);
  return u <= 0x7FFFFFFFu ? std::int64_t{u} : std::int64_t{u} - (std::int64_t{1} << 32);
}

}  // namespace

std::vector<std::uint8_t> TSkinBitmapFile::Encode(const TSeBitmap& bitmap) {
  const std::uint32_t w = static_cast<std::uint32_t>(bitmap.IsEmpty() ? 0 : bitmap.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(bitmap.IsEmpty() ? 0 : bitmap.Height());
  const std::uint32_t pixelBytes = w * h * 4;
  std::vector<std::uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  Put32(out, 0);
  Put32(out, kFileHeaderSize + kInfoHeaderSize);
  Put32(out, kInfoHeaderSize);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, kBiRgb);
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi, as editors write it
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (std::uint32_t row = h; row-- > 0;) {
    const std::uint32_t* line = bitmap.Scanline(static_cast<std::int32_t>(row));
    for (std::uint32_t x = 0; x < w; ++x) {
      std::uint32_t p = line[x];
      // Editors know magenta, not the key colour.
      if ((p & 0x00FFFFFFu) == (kSeKeyColor & 0x00FFFFFFu)) p = (p & 0xFF000000u) | 0x00FF00FFu;
      Put32(out, p);
    }
  }
  return out;
}

std::unique_ptr<TSeBitmap> TSkinBitmapFile::Decode(const std::vector<std::uint8_t>& in) {
  if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M')
    throw ESkinSourceError("not a BMP file");
  const std::uint32_t offset = Get32(in, 10);
  const std::uint32_t infoSize = Get32(in, 14);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + std::uint64_t{infoSize} > in.size())
    throw ESkinSourceError("unsupported BMP header");
  const std::int64_t width = GetSigned32(in, 18);
  const std::int64_t rawHeight = GetSigned32(in, 22);
  const std::uint32_t bpp = Get16(in, 28);
  const std::uint32_t compression = Get32(in, 30);
  if (bpp != 32 && bpp != 24) throw ESkinSourceError("only 24- and 32-bit BMP files are read");
  if (compression == kBiBitFields && bpp == 32) {
    // Masks follow a 40-byte header and sit inside a longer one, at the same place.
    if (kFileHeaderSize + std::uint64_t{kInfoHeaderSize} + 12 > in.size())
      throw ESkinSourceError("BMP bit fields truncated");
    if (Get32(in, 54) != 0x00FF0000u || Get32(in, 58) != 0x0000FF00u || Get32(in, 62) != 0xFFu)
      throw ESkinSourceError("only 8-8-8 bit fields are read");
  } else if (compression != kBiRgb) {
    throw ESkinSourceError("compressed BMP files are not read");
  }
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -rawHeight : rawHeight;
  if (width < 0 || width > kMaxSide || height > kMaxSide || (width == 0) != (height == 0))
    throw ESkinSourceError("BMP size out of range");
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
  if (offset < kFileHeaderSize + std::uint64_t{infoSize} ||
      std::uint64_t{offset} + stride * static_cast<std::uint64_t>(height) > in.size())
    throw ESkinSourceError("BMP pixel data truncated");
  auto bitmap = std::make_unique<TSeBitmap>();
  if (width == 0) return bitmap;
  bitmap->SetSize(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  if (bitmap->IsEmpty() || bitmap->Width() != width || bitmap->Height() != height)
    throw ESkinSourceError("out of memory for a " + std::to_string(width) + " x " +
                           std::to_string(height) + " picture");
  const std::size_t step = bpp / 8;
  for (std::int64_t row = 0; row < height; ++row) {
    const std::size_t base = offset + static_cast<std::size_t>(stride * std::uint64_t(row));
    std::uint32_t* line =
        bitmap->Scanline(static_cast<std::int32_t>(topDown ? row : height - 1 - row));
    for (std::int64_t x = 0; x < width; ++x) {
      const std::size_t p = base + static_cast<std::size_t>(x) * step;
      const std::uint32_t alpha = bpp == 32 ? in[p + 3] : 0;
      line[x] = (alpha << 24) | (std::uint32_t{in[p + 2]} << 16) | (std::uint32_t{in[p + 1]} << 8) |
                in[p];
    }
  }
  return bitmap;
}

}  // namespace skinsource
