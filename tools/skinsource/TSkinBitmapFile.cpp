#include "tools/skinsource/TSkinBitmapFile.h"

#include <algorithm>

#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/store/TSeSkinContentReader.h"
#include "tools/skinsource/ESkinSourceError.h"

namespace skinsource {

static_assert(TSkinBitmapFile::kMaxPixels * 2 == TSeSkinContentReader::kMaxContentSize,
              "a source picture is no larger than a skin's content can carry");

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitFields = 3;
// What a run-length encoded file leaves unwritten: transparent, as artists paint it.
constexpr std::uint32_t kSkipped = 0x00FF00FF;

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

[[noreturn]] void Fail(const std::string& what) {
  throw ESkinSourceError(what);
}

// What the headers say, checked against each other and against the file's length.
struct Layout {
  std::uint64_t offset = 0;  // of the pixel data
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool topDown = false;
  std::uint32_t bpp = 0;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
};

Layout ReadLayout(const std::vector<std::uint8_t>& in) {
  if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M')
    Fail("not a BMP file");
  Layout l;
  l.offset = Get32(in, 10);
  const std::uint32_t infoSize = Get32(in, 14);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + std::uint64_t{infoSize} > in.size())
    Fail("unsupported BMP header");
  l.width = GetSigned32(in, 18);
  const std::int64_t rawHeight = GetSigned32(in, 22);
  l.bpp = Get16(in, 28);
  l.compression = Get32(in, 30);
  const std::uint32_t colorsUsed = Get32(in, 46);
  l.topDown = rawHeight < 0;
  l.height = l.topDown ? -rawHeight : rawHeight;

  if (l.bpp != 1 && l.bpp != 4 && l.bpp != 8 && l.bpp != 24 && l.bpp != 32)
    Fail("BMP files of " + std::to_string(l.bpp) +
         " bits per pixel are not read (1, 4, 8, 24 and 32 are)");
  if (l.compression == kBiBitFields && l.bpp == 32) {
    // Masks follow a 40-byte header and sit inside a longer one, at the same place.
    if (kFileHeaderSize + std::uint64_t{kInfoHeaderSize} + 12 > in.size())
      Fail("BMP bit fields truncated");
    if (Get32(in, 54) != 0x00FF0000u || Get32(in, 58) != 0x0000FF00u || Get32(in, 62) != 0xFFu)
      Fail("only 8-8-8 bit fields are read");
  } else if (l.compression == kBiRle8 && l.bpp == 8) {
    // Runs are stored bottom-up by definition.
    if (l.topDown) Fail("a run-length encoded BMP file must be stored bottom-up");
  } else if (l.compression == kBiRle4) {
    Fail("4-bit run-length encoded BMP files are not read");
  } else if (l.compression != kBiRgb) {
    Fail("BMP compression " + std::to_string(l.compression) + " is not read for " +
         std::to_string(l.bpp) + " bits per pixel");
  }
  if (l.width < 0 || l.width > TSkinBitmapFile::kMaxSide || l.height > TSkinBitmapFile::kMaxSide ||
      (l.width == 0) != (l.height == 0))
    Fail("BMP size " + std::to_string(l.width) + " x " + std::to_string(l.height) +
         " out of range");
  if (l.width * l.height > TSkinBitmapFile::kMaxPixels)
    Fail("BMP picture of " + std::to_string(l.width) + " x " + std::to_string(l.height) +
         " pixels is larger than a skin can hold");

  const std::uint64_t paletteStart = kFileHeaderSize + std::uint64_t{infoSize};
  if (l.offset < paletteStart) Fail("BMP pixel offset inside the headers");
  if (l.bpp <= 8) {
    // The palette sits between the headers and the pixels. Without a count it holds one
    // colour per index value, or as many as fit before the pixels.
    const std::uint64_t most = std::uint64_t{1} << l.bpp;
    if (colorsUsed > most)
      Fail("BMP palette of " + std::to_string(colorsUsed) + " colours for " +
           std::to_string(l.bpp) + " bits per pixel");
    const std::uint64_t count =
        colorsUsed != 0 ? colorsUsed : std::min(most, (l.offset - paletteStart) / 4);
    if (count == 0) Fail("BMP file without a palette");
    if (paletteStart + 4 * count > in.size()) Fail("BMP palette truncated");
    if (paletteStart + 4 * count > l.offset) Fail("BMP palette runs into the pixel data");
    l.palette.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i)
      l.palette.push_back(Get32(in, static_cast<std::size_t>(paletteStart + 4 * i)) & 0xFFFFFFu);
  }
  if (l.offset > in.size()) Fail("BMP pixel data truncated");
  return l;
}

std::uint32_t PaletteColour(const Layout& l, std::uint32_t index) {
  if (index >= l.palette.size())
    Fail("BMP palette index " + std::to_string(index) + " past the palette's " +
         std::to_string(l.palette.size()) + " colours");
  return l.palette[index];
}

void DecodeRows(const std::vector<std::uint8_t>& in, const Layout& l, TSeBitmap& bitmap) {
  const std::uint64_t stride = ((static_cast<std::uint64_t>(l.width) * l.bpp + 31) / 32) * 4;
  if (l.offset + stride * static_cast<std::uint64_t>(l.height) > in.size())
    Fail("BMP pixel data truncated");
  bitmap.SetSize(static_cast<std::int32_t>(l.width), static_cast<std::int32_t>(l.height));
  if (bitmap.IsEmpty()) Fail("out of memory for the picture");
  const std::uint32_t mask = (1u << (l.bpp < 8 ? l.bpp : 8)) - 1;
  for (std::int64_t row = 0; row < l.height; ++row) {
    const std::uint8_t* base = in.data() + l.offset + stride * static_cast<std::uint64_t>(row);
    std::uint32_t* line =
        bitmap.Scanline(static_cast<std::int32_t>(l.topDown ? row : l.height - 1 - row));
    for (std::int64_t x = 0; x < l.width; ++x) {
      if (l.bpp >= 24) {
        const std::uint8_t* p = base + x * (l.bpp / 8);
        const std::uint32_t alpha = l.bpp == 32 ? p[3] : 0;
        line[x] = (alpha << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        continue;
      }
      // Indices fill each byte from its highest bits down.
      const std::uint64_t bit = static_cast<std::uint64_t>(x) * l.bpp;
      const unsigned shift = 8 - l.bpp - static_cast<unsigned>(bit % 8);
      line[x] = PaletteColour(l, (base[bit / 8] >> shift) & mask);
    }
  }
}

// 8-bit runs: a count and an index, or a 0 and an escape: 0 end of line, 1 end of picture,
// 2 a move right and up, 3 and more that many indices as they are, padded to a 16-bit step.
void DecodeRle8(const std::vector<std::uint8_t>& in, const Layout& l, TSeBitmap& bitmap) {
  const std::size_t end = in.size();
  std::size_t pos = static_cast<std::size_t>(l.offset);
  if ((l.width * l.height) / TSkinBitmapFile::kMaxRunExpansion >
      static_cast<std::int64_t>(end - pos))
    Fail("run-length encoded BMP data too short for a " + std::to_string(l.width) + " x " +
         std::to_string(l.height) + " picture");
  bitmap.SetSize(static_cast<std::int32_t>(l.width), static_cast<std::int32_t>(l.height));
  if (bitmap.IsEmpty()) Fail("out of memory for the picture");
  bitmap.Fill(kSkipped);
  // x and y count from the bottom-left corner, as the file stores the rows.
  std::int64_t x = 0, y = 0;
  const auto line = [&]() { return bitmap.Scanline(static_cast<std::int32_t>(l.height - 1 - y)); };
  const auto room = [&](std::int64_t count) {
    if (y >= l.height) Fail("run-length encoded BMP data past the last row");
    if (x + count > l.width) Fail("run-length encoded BMP run past the end of a row");
  };
  for (;;) {
    if (pos + 2 > end) {
      // Some writers end with the last row's end of line instead of an end of picture.
      if (pos == end && y >= l.height) return;
      Fail("run-length encoded BMP data truncated");
    }
    const std::uint8_t count = in[pos];
    const std::uint8_t value = in[pos + 1];
    pos += 2;
    if (count > 0) {
      room(count);
      std::fill_n(line() + x, count, PaletteColour(l, value));
      x += count;
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (pos + 2 > end) Fail("run-length encoded BMP data truncated");
      x += in[pos];
      y += in[pos + 1];
      pos += 2;
      if (x > l.width || y > l.height) Fail("run-length encoded BMP move past the picture");
    } else {
      if (pos + value > end) Fail("run-length encoded BMP data truncated");
      room(value);
      std::uint32_t* row = line();
      for (std::uint32_t i = 0; i < value; ++i) row[x + i] = PaletteColour(l, in[pos + i]);
      x += value;
      pos += value + (value & 1u);
    }
  }
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
  const Layout layout = ReadLayout(in);
  auto bitmap = std::make_unique<TSeBitmap>();
  if (layout.width == 0) return bitmap;
  if (layout.compression == kBiRle8)
    DecodeRle8(in, layout, *bitmap);
  else
    DecodeRows(in, layout, *bitmap);
  return bitmap;
}

}  // namespace skinsource
