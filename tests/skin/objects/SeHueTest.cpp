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

TEST(Hue, ColourPropertiesComeBackAsPlainColours) {
  EXPECT_EQ(ShiftHueColor(RGBColor(255, 0, 0), 85), RGBColor(0, 255, 0));
  const TColor face = ShiftHueColor(clBtnFace, 0);
  EXPECT_EQ(face & clSystemColor, 0);
}

}  // namespace
