#include "tools/skinart/TIconFile.h"

#include <gtest/gtest.h>

#include <vector>

using skinart::kMagenta;
using skinart::TIconFile;
using skinart::TIconImage;
using skinart::TRgb;

namespace {

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t at,
                                std::size_t count) {
  return {bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at + count)};
}

}  // namespace

// A 3 x 2 sixteen-colour picture worked out by hand: the rows go bottom up, two pixels a byte
// (high nibble first), each row padded to four bytes, then the mask rows the same way with the
// leftmost pixel in the high bit.
TEST(IconFile, SixteenColourRowsAndMaskArePackedBottomUpAndPadded) {
  TIconImage image;
  image.width = 3;
  image.height = 2;
  image.bitsPerPixel = 4;
  image.pixels = {TRgb{255, 255, 255}, kMagenta,        TRgb{250, 10, 5},
                  TRgb{0, 0, 0},       TRgb{0, 0, 120}, kMagenta};
  const auto bytes = TIconFile::Encode({image});
  ASSERT_EQ(bytes.size(), 6u + 16u + 120u);
  EXPECT_EQ(Slice(bytes, 0, 22), (std::vector<std::uint8_t>{0, 0, 1, 0,   1, 0, 3, 2,  16, 0, 1,
                                                            0, 4, 0, 120, 0, 0, 0, 22, 0,  0, 0}));
  // The header's height counts the colour and the mask rows.
  EXPECT_EQ(bytes[22 + 8], 4);
  EXPECT_EQ(bytes[22 + 14], 4);
  const std::size_t rows = 22 + 40 + 64;
  EXPECT_EQ(Slice(bytes, rows, 8), (std::vector<std::uint8_t>{0x04, 0x00, 0, 0, 0xF0, 0x90, 0, 0}));
  EXPECT_EQ(Slice(bytes, rows + 8, 8), (std::vector<std::uint8_t>{0x20, 0, 0, 0, 0x40, 0, 0, 0}));
}

TEST(IconFile, TrueColourKeepsAlphaAndA256SideIsWrittenAsZero) {
  TIconImage image;
  image.width = 256;
  image.height = 256;
  image.pixels.assign(256 * 256, TRgb{1, 2, 3});
  image.pixels[255 * 256] = kMagenta;  // bottom-left: the first pixel written
  const auto bytes = TIconFile::Encode({image});
  EXPECT_EQ(bytes[6], 0);
  EXPECT_EQ(bytes[7], 0);
  EXPECT_EQ(bytes[22 + 9], 2);  // height 512 = 0x200
  const std::size_t pixels = 22 + 40;
  EXPECT_EQ(Slice(bytes, pixels, 8), (std::vector<std::uint8_t>{0, 0, 0, 0, 3, 2, 1, 255}));
  EXPECT_EQ(bytes[pixels + 256 * 256 * 4], 0x80);
}

TEST(IconFile, ImagesThatCannotBeStoredAreRefused) {
  TIconImage image;
  image.width = 257;
  image.height = 1;
  image.pixels.assign(257, kMagenta);
  EXPECT_THROW(TIconFile::Encode({image}), std::invalid_argument);
  image.width = 2;
  EXPECT_THROW(TIconFile::Encode({image}), std::invalid_argument);
}
