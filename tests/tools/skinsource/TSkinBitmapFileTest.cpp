// Pictures as image editors save them, made by hand byte for byte; the expected pixels are
// worked out from the file layout, not read back through the encoder.
#include "tools/skinsource/TSkinBitmapFile.h"

#include <gtest/gtest.h>

#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "tools/skinsource/ESkinSourceError.h"

using skinsource::ESkinSourceError;
using skinsource::TSkinBitmapFile;

namespace {

struct BmpSpec {
  std::int32_t width = 1;
  std::int32_t height = 1;
  int bpp = 32;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint8_t> pixels;
};

// A 40-byte info header, the palette, then the pixel bytes as given.
std::vector<std::uint8_t> Bmp(const BmpSpec& s) {
  std::vector<std::uint8_t> out = {'B', 'M'};
  const auto put = [&out](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(s.palette.size());
  put(offset + static_cast<std::uint32_t>(s.pixels.size()), 4);
  put(0, 4);
  put(offset, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(s.width), 4);
  put(static_cast<std::uint32_t>(s.height), 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(s.bpp), 2);
  put(s.compression, 4);
  put(static_cast<std::uint32_t>(s.pixels.size()), 4);
  put(2835, 4);
  put(2835, 4);
  put(s.colorsUsed, 4);
  put(0, 4);
  for (std::uint32_t c : s.palette) put(c, 4);
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

constexpr std::uint32_t kC0 = 0x00302010;
constexpr std::uint32_t kC1 = 0x00FFFFFF;
constexpr std::uint32_t kC2 = 0x000000FF;
constexpr std::uint32_t kMagentaPixel = 0x00FF00FF;

std::vector<std::uint32_t> Rows(const TSeBitmap& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
  return out;
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes) {
  try {
    TSkinBitmapFile::Decode(bytes);
  } catch (const ESkinSourceError& e) {
    return e.Message();
  }
  return "<no error>";
}

TEST(TSkinBitmapFile, ReadsTrueColourFilesEitherWayUp) {
  // 24 bits, 2 x 2, bottom-up, rows padded to 4 bytes.
  const auto bottomUp = TSkinBitmapFile::Decode(
      Bmp({2, 2, 24, 0, {}, 0, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}}));
  EXPECT_EQ(Rows(*bottomUp),
            (std::vector<std::uint32_t>{0x00090807, 0x000C0B0A, 0x00030201, 0x00060504}));
  // 32 bits, top-down: the fourth byte is alpha.
  const auto topDown =
      TSkinBitmapFile::Decode(Bmp({1, -2, 32, 0, {}, 0, {1, 2, 3, 4, 5, 6, 7, 8}}));
  EXPECT_EQ(Rows(*topDown), (std::vector<std::uint32_t>{0x04030201, 0x08070605}));
  // Written back as 32 bits with magenta for the key colour.
  topDown->SetPixel(0, 1, kSeKeyColor);
  const auto again = TSkinBitmapFile::Decode(TSkinBitmapFile::Encode(*topDown));
  EXPECT_EQ(Rows(*again), (std::vector<std::uint32_t>{0x04030201, 0x00FF00FF}));
}

TEST(TSkinBitmapFile, ReadsPaletteFilesOfOneFourAndEightBits) {
  // 1 bit, 3 x 2: bottom row 1 0 1 (0xA0), top row 0 1 1 (0x60), each padded to 4 bytes.
  const auto mono =
      TSkinBitmapFile::Decode(Bmp({3, 2, 1, 0, {kC0, kC1}, 2, {0xA0, 0, 0, 0, 0x60, 0, 0, 0}}));
  EXPECT_EQ(Rows(*mono), (std::vector<std::uint32_t>{kC0, kC1, kC1, kC1, kC0, kC1}));
  // 4 bits, 3 x 1, three colours: indices 2 0 1, high half of each byte first.
  const auto nibbles =
      TSkinBitmapFile::Decode(Bmp({3, 1, 4, 0, {kC0, kC1, kC2}, 3, {0x20, 0x10, 0, 0}}));
  EXPECT_EQ(Rows(*nibbles), (std::vector<std::uint32_t>{kC2, kC0, kC1}));
  // 8 bits, top-down, no colour count: the palette is what fits before the pixels (two).
  const auto bytes =
      TSkinBitmapFile::Decode(Bmp({2, -2, 8, 0, {kC2, kC0}, 0, {1, 0, 9, 9, 0, 1, 9, 9}}));
  EXPECT_EQ(Rows(*bytes), (std::vector<std::uint32_t>{kC0, kC2, kC2, kC0}));
}

TEST(TSkinBitmapFile, ReadsRunLengthEncodedFilesWithMovesAndLineEnds) {
  // 4 x 3, rows from the bottom: a run of three 1s, end of line; a move two right (none up),
  // a run of two 2s, end of line; three indices as they are (2 0 1, padded to an even
  // length), end of picture.
  const std::vector<std::uint8_t> runs = {3, 1, 0, 0, 0, 2, 2, 0, 2, 2,
                                          0, 0, 0, 3, 2, 0, 1, 0, 0, 1};
  const auto b = TSkinBitmapFile::Decode(Bmp({4, 3, 8, 1, {kC0, kC1, kC2}, 3, runs}));
  const std::uint32_t m = kMagentaPixel;                             // what the file skips
  EXPECT_EQ(Rows(*b), (std::vector<std::uint32_t>{kC2, kC0, kC1, m,  //
                                                  m, m, kC2, kC2,    //
                                                  kC1, kC1, kC1, m}));
  // Ending after the last row's end of line, without an end of picture, is complete too.
  const auto two =
      TSkinBitmapFile::Decode(Bmp({1, 2, 8, 1, {kC0, kC1}, 2, {1, 1, 0, 0, 1, 0, 0, 0}}));
  EXPECT_EQ(Rows(*two), (std::vector<std::uint32_t>{kC0, kC1}));
}

TEST(TSkinBitmapFile, RefusesIndicesPastThePalette) {
  EXPECT_NE(ErrorOf(Bmp({1, 1, 8, 0, {kC0, kC1}, 2, {5, 0, 0, 0}})).find("palette index 5"),
            std::string::npos);
  EXPECT_NE(ErrorOf(Bmp({2, 1, 4, 0, {kC0, kC1}, 2, {0x12, 0, 0, 0}})).find("palette index 2"),
            std::string::npos);
  EXPECT_NE(ErrorOf(Bmp({2, 1, 8, 1, {kC0}, 1, {2, 3, 0, 1}})).find("palette index 3"),
            std::string::npos);
  EXPECT_NE(ErrorOf(Bmp({3, 1, 8, 1, {kC0}, 1, {0, 3, 0, 0, 4, 0, 0, 1}})).find("palette index 4"),
            std::string::npos);
}

TEST(TSkinBitmapFile, RefusesDamagedFilesWithoutReadingPastThem) {
  const std::vector<std::uint8_t> good =
      Bmp({2, 2, 32, 0, {}, 0, std::vector<std::uint8_t>(16, 7)});
  const auto cut = [](std::vector<std::uint8_t> bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
  };
  auto lyingOffset = good;
  lyingOffset[10] = 0xF0;
  lyingOffset[13] = 0x7F;
  const std::vector<std::uint8_t> palette8 = Bmp({2, 1, 8, 0, {kC0, kC1}, 2, {0, 1, 0, 0}});
  auto shortPalette = palette8;
  shortPalette[46] = 3;  // three colours claimed, two before the pixels
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* message;
  } cases[] = {
      {{'B', 'M', 0}, "not a BMP file"},
      {cut(good, 1), "pixel data truncated"},
      {cut(palette8, 1), "pixel data truncated"},
      {cut(palette8, 6), "palette truncated"},
      {shortPalette, "palette runs into the pixel data"},
      {Bmp({1, 1, 8, 0, {}, 300, {0, 0, 0, 0}}), "palette of 300 colours"},
      {Bmp({1, 1, 8, 0, {}, 0, {0, 0, 0, 0}}), "without a palette"},
      {Bmp({1, 1, 16, 0, {}, 0, {0, 0, 0, 0}}), "16 bits per pixel"},
      {Bmp({0x7FFFFFFF, 1, 32, 0, {}, 0, {}}), "out of range"},
      {Bmp({16384, 16384, 32, 0, {}, 0, {}}), "larger than a skin can hold"},
      {Bmp({-2, 2, 32, 0, {}, 0, std::vector<std::uint8_t>(16, 7)}), "out of range"},
      {lyingOffset, "pixel data truncated"},
      {Bmp({2, 2, 32, 1, {}, 0, std::vector<std::uint8_t>(16, 7)}), "compression 1"},
      {Bmp({2, 2, 4, 2, {kC0}, 1, {0, 0}}), "4-bit run-length"},
      {Bmp({1, -1, 8, 1, {kC0}, 1, {1, 0, 0, 1}}), "bottom-up"},
      // Runs: one past the row's end, a move past the picture, a run above the top row,
      // data that stops in the middle, and a tiny file claiming a large picture.
      {Bmp({2, 1, 8, 1, {kC0}, 1, {3, 0, 0, 1}}), "past the end of a row"},
      {Bmp({2, 1, 8, 1, {kC0}, 1, {0, 2, 3, 0, 0, 1}}), "move past the picture"},
      {Bmp({2, 1, 8, 1, {kC0}, 1, {0, 0, 1, 0, 0, 1}}), "past the last row"},
      {Bmp({2, 2, 8, 1, {kC0}, 1, {2, 0, 0, 0}}), "data truncated"},
      {Bmp({2, 2, 8, 1, {kC0}, 1, {0, 4, 0, 0}}), "data truncated"},
      {Bmp({4096, 1024, 8, 1, {kC0}, 1, {0, 1}}), "too short"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.bytes);
    EXPECT_NE(error.find(c.message), std::string::npos) << c.message << " / " << error;
  }
}

}  // namespace
