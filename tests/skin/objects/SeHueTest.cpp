#include <gtest/gtest.h>

#include "skin/objects/SeHue.h"

namespace {

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

TEST(Hue, WrapsBy255OnceEachWay) {
  // Just below red on the circle rounds to 255; one more step lands on 1, not 0.
  EXPECT_EQ(ShiftHuePixel(Rgb(255, 0, 1), 1), Rgb(255, 6, 0));
  // Red minus one step is 254, not 255.
  EXPECT_EQ(ShiftHuePixel(Rgb(255, 0, 0), -1), Rgb(255, 0, 6));
  // A third of the circle.
  EXPECT_EQ(ShiftHuePixel(Rgb(255, 0, 0), 85), Rgb(0, 255, 0));
  EXPECT_EQ(ShiftHuePixel(Rgb(0, 0, 255), 100), Rgb(255, 90, 0));
  EXPECT_EQ(ShiftHuePixel(Rgb(30, 144, 255), 40), Rgb(125, 30, 255));
}

TEST(Hue, ExtremeDeltasDoNotOverflow) {
  // The engine accepts any DeltaHue; the sanitizer build fails this on a signed overflow.
  const std::uint32_t high = ShiftHuePixel(Rgb(255, 0, 255), 2147483647);
  const std::uint32_t low = ShiftHuePixel(Rgb(255, 0, 255), -2147483647 - 1);
  EXPECT_EQ(high >> 24, 0xFFu);
  EXPECT_EQ(low >> 24, 0xFFu);
}

TEST(Hue, DeltaZeroStillRoundsAndMakesOpaque) {
  EXPECT_EQ(ShiftHuePixel(0x00102030, 0) >> 24, 0xFFu);
  EXPECT_EQ(ShiftHuePixel(Rgb(10, 20, 200), 0), Rgb(10, 19, 200));
  EXPECT_EQ(ShiftHuePixel(Rgb(240, 17, 3), 0), Rgb(240, 20, 3));
  EXPECT_EQ(ShiftHuePixel(Rgb(13, 57, 91), 0), Rgb(13, 57, 91));
  // Greys have no hue to move.
  EXPECT_EQ(ShiftHuePixel(Rgb(128, 128, 128), 50), Rgb(128, 128, 128));
}

TEST(Hue, EverySectorOfTheCircleTiesGreysAndPrimaries) {
  // Worked through the hue rule by hand. (150, 200, 50) by 3: L = 250 / 510, S = 150 / 250,
  // H = ((50 - 150) / 150 + 2) / 6 = 2 / 9, so h8 = 57 + 3 = 60; with m1 = 50 / 255 and
  // m2 = 200 / 255, red = f(60 / 255 + 1 / 3) = 50 + 150 x (2 / 3 - 0.5686) x 6 = 138.
  // Rows: the six sectors dark (L < 0.5), then light; ties between the two largest channels
  // (yellow and magenta hues fall on 42.5 and 212.5, so only steps whose result does not hang
  // on how the platform's floating point rounds that half); primaries; greys.
  struct Row {
    std::uint32_t in;
    std::pair<int, std::uint32_t> out[3];
  };
  const Row rows[] = {
      {0xC89632, {{3, 0xC89F32}, {100, 0x32C6C8}, {-40, 0xC8325C}}},
      {0x96C832, {{3, 0x8AC832}, {100, 0x3260C8}, {-40, 0xC86E32}}},
      {0x32C896, {{3, 0x32C89F}, {100, 0xC832C6}, {-40, 0x5CC832}}},
      {0x3296C8, {{3, 0x328AC8}, {100, 0xC83260}, {-40, 0x32C86E}}},
      {0x9632C8, {{3, 0x9F32C8}, {100, 0xC6C832}, {-40, 0x325CC8}}},
      {0xC83296, {{3, 0xC8328A}, {100, 0x60C832}, {-40, 0x6E32C8}}},
      {0xE6C8B4, {{3, 0xE6CCB4}, {100, 0xB4E6DA}, {-40, 0xE6B4CF}}},
      {0xC8E6B4, {{3, 0xC4E6B4}, {100, 0xB4B6E6}, {-40, 0xE6D5B4}}},
      {0xB4E6C8, {{3, 0xB4E6CC}, {100, 0xDAB4E6}, {-40, 0xCFE6B4}}},
      {0xB4C8E6, {{3, 0xB4C4E6}, {100, 0xE6B4B6}, {-40, 0xB4E6D5}}},
      {0xC8B4E6, {{3, 0xCCB4E6}, {100, 0xE6DAB4}, {-40, 0xB4CFE6}}},
      {0xE6B4C8, {{3, 0xE6B4C4}, {100, 0xB6E6B4}, {-40, 0xD5B4E6}}},
      {0xDCDCC8, {{100, 0xC8D5DC}, {-40, 0xDCC9C8}, {170, 0xDCC8DC}}},
      {0x32C8C8, {{3, 0x32BCC8}, {100, 0xC83291}, {-40, 0x32C83D}}},
      {0xDCC8DC, {{100, 0xD5DCC8}, {-40, 0xC9C8DC}, {170, 0xC8DCDC}}},
      {0xFF0000, {{3, 0xFF1200}, {100, 0x00FF5A}, {-40, 0xFF00F0}}},
      {0x00FF00, {{3, 0x00FF12}, {100, 0x5A00FF}, {-40, 0xF0FF00}}},
      {0x0000FF, {{3, 0x1200FF}, {100, 0xFF5A00}, {-40, 0x00F0FF}}},
      {0x000000, {{3, 0x000000}, {100, 0x000000}, {-40, 0x000000}}},
      {0x4D4D4D, {{3, 0x4D4D4D}, {100, 0x4D4D4D}, {-40, 0x4D4D4D}}},
      {0xFFFFFF, {{3, 0xFFFFFF}, {100, 0xFFFFFF}, {-40, 0xFFFFFF}}},
  };
  for (const Row& row : rows)
    for (const auto& [delta, out] : row.out)
      EXPECT_EQ(ShiftHuePixel(row.in, delta), 0xFF000000u | out)
          << std::hex << row.in << " by " << std::dec << delta;
}

TEST(Hue, ColourPropertiesComeBackAsPlainColours) {
  EXPECT_EQ(ShiftHueColor(RGBColor(255, 0, 0), 85), RGBColor(0, 255, 0));
  const TColor face = ShiftHueColor(clBtnFace, 0);
  EXPECT_EQ(face & clSystemColor, 0);
}

}  // namespace
