#include "tools/skinart/TIconFile.h"

#include <stdexcept>

namespace skinart {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

int RowBytes(int width, int bits) {
  return ((width * bits + 31) / 32) * 4;
}

std::vector<std::uint8_t> EncodeImage(const TIconImage& image) {
  const int w = image.width;
  const int h = image.height;
  const bool paletted = image.bitsPerPixel == 4;
  std::vector<std::uint8_t> out;
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h * 2));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(image.bitsPerPixel));
  Put32(out, 0);  // uncompressed
  const int colourRow = RowBytes(w, image.bitsPerPixel);
  const int maskRow = RowBytes(w, 1);
  Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * h));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, paletted ? 16 : 0);
  Put32(out, 0);
  if (paletted) {
    for (const TRgb& c : TIconFile::Palette16()) {
      out.push_back(static_cast<std::uint8_t>(c.b));
      out.push_back(static_cast<std::uint8_t>(c.g));
      out.push_back(static_cast<std::uint8_t>(c.r));
      out.push_back(0);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < w; ++x) {
      const TRgb c = image.pixels[static_cast<std::size_t>(y * w + x)];
      const bool clear = c == kMagenta;
      if (paletted) {
        // Transparent pixels are black in the colour rows, so the mask alone decides them.
        const int index = clear ? 0 : TIconFile::NearestIndex(c);
        if (x % 2 == 0)
          out.push_back(static_cast<std::uint8_t>(index << 4));
        else
          out.back() = static_cast<std::uint8_t>(out.back() | index);
      } else {
        out.push_back(static_cast<std::uint8_t>(clear ? 0 : c.b));
        out.push_back(static_cast<std::uint8_t>(clear ? 0 : c.g));
        out.push_back(static_cast<std::uint8_t>(clear ? 0 : c.r));
        out.push_back(clear ? 0 : 255);
      }
    }
    out.resize(start + static_cast<std::size_t>(colourRow), 0);
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
    for (int x = 0; x < w; ++x)
      if (image.pixels[static_cast<std::size_t>(y * w + x)] == kMagenta)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

const std::vector<TRgb>& TIconFile::Palette16() {
  static const std::vector<TRgb> palette = {
      {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
  return palette;
}

int TIconFile::NearestIndex(TRgb colour) {
  int best = 0;
  long bestDistance = -1;
  const auto& palette = Palette16();
  for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
    const long dr = colour.r - palette[static_cast<std::size_t>(i)].r;
    const long dg = colour.g - palette[static_cast<std::size_t>(i)].g;
    const long db = colour.b - palette[static_cast<std::size_t>(i)].b;
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

std::vector<std::uint8_t> TIconFile::Encode(const std::vector<TIconImage>& images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const TIconImage& image : images) {
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256)
      throw std::invalid_argument("an icon image is 1 to 256 pixels on each side");
    if (image.bitsPerPixel != 4 && image.bitsPerPixel != 32)
      throw std::invalid_argument("an icon image has 4 or 32 bits per pixel");
    if (image.pixels.size() != static_cast<std::size_t>(image.width * image.height))
      throw std::invalid_argument("an icon image's pixels do not match its size");
    bodies.push_back(EncodeImage(image));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const TIconImage& image = images[i];
    // A side of 256 is written as 0 in the directory's byte.
    out.push_back(static_cast<std::uint8_t>(image.width & 0xFF));
    out.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
    out.push_back(image.bitsPerPixel == 4 ? 16 : 0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(image.bitsPerPixel));
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace skinart
