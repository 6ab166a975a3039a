#include "tools/skinart/BmpFile.h"

#include <fstream>
#include <iterator>

namespace skinart {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxSide = 4096;

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
std::int32_t GetI32(const std::vector<std::uint8_t>& in, std::size_t at) {
  const std::uint32_t u = Get32(in, at);
  return u <= 0x7FFFFFFFu ? static_cast<std::int32_t>(u) : -static_cast<std::int32_t>(~u) - 1;
}
}  // namespace

std::vector<std::uint8_t> BmpFile::Encode(const TArtCanvas& canvas) {
  const std::uint32_t w = static_cast<std::uint32_t>(canvas.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(canvas.Height());
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
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi, as editors write it
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = canvas.Height() - 1; y >= 0; --y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const TRgb c = canvas.At(x, y);
      out.push_back(static_cast<std::uint8_t>(c.b));
      out.push_back(static_cast<std::uint8_t>(c.g));
      out.push_back(static_cast<std::uint8_t>(c.r));
      out.push_back(0);
    }
  return out;
}

TArtCanvas BmpFile::Decode(const std::vector<std::uint8_t>& in) {
  if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M')
    throw EBmpError("not a BMP file");
  const std::uint32_t offset = Get32(in, 10);
  const std::uint32_t infoSize = Get32(in, 14);
  if (infoSize < kInfoHeaderSize ||
      kFileHeaderSize + static_cast<std::uint64_t>(infoSize) > in.size())
    throw EBmpError("unsupported BMP info header");
  const std::int32_t width = GetI32(in, 18);
  const std::int32_t rawHeight = GetI32(in, 22);
  const std::uint32_t bpp = Get16(in, 28);
  const std::uint32_t compression = Get32(in, 30);
  if (compression != 0 || (bpp != 32 && bpp != 24))
    throw EBmpError("only uncompressed 24- and 32-bit BMP files are read");
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
    throw EBmpError("BMP size out of range");
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
  if (offset < kFileHeaderSize + infoSize ||
      static_cast<std::uint64_t>(offset) + stride * static_cast<std::uint64_t>(height) > in.size())
    throw EBmpError("BMP pixel data truncated");
  TArtCanvas canvas(width, static_cast<int>(height));
  const std::size_t step = bpp / 8;
  for (std::int64_t row = 0; row < height; ++row) {
    const std::size_t base = offset + static_cast<std::size_t>(stride * row);
    const int y = static_cast<int>(topDown ? row : height - 1 - row);
    for (int x = 0; x < width; ++x) {
      const std::size_t p = base + static_cast<std::size_t>(x) * step;
      canvas.Set(x, y, TRgb{in[p + 2], in[p + 1], in[p]});
    }
  }
  return canvas;
}

void BmpFile::Save(const TArtCanvas& canvas, const std::string& path) {
  const std::vector<std::uint8_t> bytes = Encode(canvas);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EBmpError("cannot create " + path);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw EBmpError("cannot write " + path);
}

std::vector<std::uint8_t> BmpFile::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EBmpError("cannot open " + path);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

TArtCanvas BmpFile::Load(const std::string& path) {
  try {
    return Decode(ReadFile(path));
  } catch (const EBmpError& e) {
    throw EBmpError(path + ": " + e.Message());
  }
}

}  // namespace skinart
