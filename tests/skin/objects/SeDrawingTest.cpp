#include <gtest/gtest.h>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeMemoryCanvas.h"

namespace {

// A source whose every pixel tells where it came from.
void Numbered(TSeBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | (x << 8) | y);
}

#ifdef _WIN32
// On Windows the device copy lives in the platform and bitmaps get GDI canvases; the GDI
// tests cover unmasked tiling and rotated text there.
constexpr bool kHostCanvas = false;
#else
constexpr bool kHostCanvas = true;
#endif

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override {
    target.SetSize(40, 30);
    target.Fill(kBackground);
  }
  void TearDown() override { TSeBitmap::SetMaskFallbackForced(false); }
  static constexpr std::uint32_t kBackground = 0x00C0C0C0;
  TSeBitmap target;
  TSeMemoryCanvas canvas{target};
};

TEST_F(Drawing, TilingStepsByTheTilesWidthAcrossAndItsHeightDown) {
  // A wide, short 7 x 3 source at 2, 1 over 25 x 11 at 3, 2: columns start at 3, 10, 17 and 24
  // (cut to 4), rows at 2, 5, 8 and 11 (cut to 2); each tile shows the source from its
  // top-left corner.
  TSeBitmap source;
  Numbered(source, 10, 5);
  source.UpdateDeviceCopy();
  const int columns[] = {3, 10, 17, 24, 28}, rows[] = {2, 5, 8, 11, 13};  // and where they end
  for (bool masked : {false, true}) {
    if (!masked && !kHostCanvas) continue;
    target.Fill(kBackground);
    source.TileDraw(canvas, Rect(3, 2, 28, 13), masked, Rect(2, 1, 9, 4));
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        std::uint32_t expected = kBackground;
        for (int c = 0; c < 4; ++c)
          for (int r = 0; r < 4; ++r)
            if (x >= columns[c] && x < columns[c + 1] && y >= rows[r] && y < rows[r + 1])
              expected = source.Pixel(2 + x - columns[c], 1 + y - rows[r]);
        ASSERT_EQ(target.Pixel(x, y), expected) << x << "," << y << " masked " << masked;
      }
  }
}

TEST_F(Drawing, UnmaskedTilingNeedsTheDeviceCopy) {
  if (!kHostCanvas) GTEST_SKIP() << "covered by the GDI tests";
  TSeBitmap source;
  Numbered(source, 4, 4);
  source.TileDraw(canvas, Rect(0, 0, 8, 8), false, source.BoundsRect());
  EXPECT_EQ(target.Pixel(0, 0), kBackground);
  source.UpdateDeviceCopy();
  source.Fill(0xFF123456);  // the device copy keeps the picture it was given
  source.TileDraw(canvas, Rect(0, 0, 8, 8), false, source.BoundsRect());
  EXPECT_EQ(target.Pixel(5, 6), 0xFF000102u);
}

TEST_F(Drawing, MaskedDrawLeavesKeyColourOutWhateverItsAlpha) {
  TSeBitmap source;
  Numbered(source, 3, 1);
  source.SetPixel(1, 0, kSeKeyColor);
  source.SetPixel(2, 0, 0xFF7F007F);
  source.Draw(canvas, 5, 5, true);
  EXPECT_EQ(target.Pixel(5, 5), 0xFF000000u);
  EXPECT_EQ(target.Pixel(6, 5), kBackground);
  EXPECT_EQ(target.Pixel(7, 5), kBackground);
  source.Draw(canvas, 5, 6, false);
  EXPECT_EQ(target.Pixel(6, 6), kSeKeyColor);
}

// A canvas that tells which way a masked picture went: a plain copy or the keyed blit.
class RoutedCanvas : public TSeMemoryCanvas {
 public:
  using TSeMemoryCanvas::TSeMemoryCanvas;
  void CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) override {
    ++plainCopies;
    TSeMemoryCanvas::CopyBitmap(source, dest, src);
  }
  bool TransparentBlit(const TSeBitmap&, const TRect&, const TRect&, std::uint32_t) override {
    ++keyedBlits;
    return false;  // as a system without one: the hand mask follows
  }
  int plainCopies = 0, keyedBlits = 0;
};

TEST_F(Drawing, AMaskedPictureWithoutKeyPixelsIsCopiedPlainlyAndOneWithThemIsKeyed) {
  RoutedCanvas routed{target};
  TSeBitmap source;
  Numbered(source, 4, 3);
  source.SetPixel(3, 2, kSeKeyColor);
  // The left three columns hold no key pixel: one plain copy, stretched as any copy.
  source.StretchDraw(routed, Rect(2, 2, 8, 8), true, Rect(0, 0, 3, 3));
  EXPECT_EQ(1, routed.plainCopies);
  EXPECT_EQ(0, routed.keyedBlits);
  EXPECT_EQ(source.Pixel(2, 2), target.Pixel(7, 7));
  // The whole picture holds one: the keyed blit is asked first, then the hand mask leaves the
  // key pixel out (its copy of the area is the only plain copy).
  routed.plainCopies = 0;
  source.StretchDraw(routed, Rect(20, 20, 24, 23), true, source.BoundsRect());
  EXPECT_EQ(1, routed.keyedBlits);
  EXPECT_EQ(kBackground, target.Pixel(23, 22));
  EXPECT_EQ(source.Pixel(2, 2), target.Pixel(22, 22));
  // A key pixel with alpha never goes to the keyed blit; a source reaching outside the picture
  // is not copied plainly (what lies outside is not the picture's).
  source.SetPixel(3, 2, 0x80000000u | kSeKeyRGB);
  routed.keyedBlits = routed.plainCopies = 0;
  source.StretchDraw(routed, Rect(20, 20, 24, 23), true, source.BoundsRect());
  EXPECT_EQ(0, routed.keyedBlits);
  EXPECT_EQ(kBackground, target.Pixel(23, 22));
  routed.plainCopies = 0;
  source.StretchDraw(routed, Rect(30, 20, 36, 23), true, Rect(0, 0, 6, 2));
  EXPECT_EQ(1, routed.keyedBlits) << "no key pixel inside, but the source reaches outside";
}

TEST_F(Drawing, MaskedStretchSamplesNearestInFixedPoint) {
  TSeBitmap source;
  Numbered(source, 3, 2);
  source.SetPixel(2, 1, kSeKeyColor);
  // 3 x 2 onto 7 x 5: step 3 * 65536 / 7 horizontally, 2 * 65536 / 5 vertically.
  source.StretchDraw(canvas, Rect(10, 10, 17, 15), true, source.BoundsRect());
  const int columns[7] = {0, 0, 0, 1, 1, 2, 2};
  const int rows[5] = {0, 0, 0, 1, 1};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      const std::uint32_t p = source.Pixel(columns[x], rows[y]);
      const std::uint32_t expected = p == kSeKeyColor ? kBackground : p;
      EXPECT_EQ(target.Pixel(10 + x, 10 + y), expected) << x << "," << y;
    }
}

TEST_F(Drawing, EmptyRectanglesAndEmptyBitmapsDrawNothing) {
  TSeBitmap source;
  Numbered(source, 4, 4);
  source.StretchDraw(canvas, Rect(5, 5, 5, 9), true, source.BoundsRect());
  source.StretchDraw(canvas, Rect(5, 5, 9, 9), false, Rect(2, 2, 2, 4));
  source.StretchDraw(canvas, Rect(5, 5, 9, 9), true, Rect(10, 10, 14, 14));  // outside
  TSeBitmap empty;
  empty.Draw(canvas, 0, 0, true);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(target.Pixel(x, y), kBackground);
}

TEST_F(Drawing, CanvasHonoursOriginAndClip) {
  canvas.SetOrigin({10, 5});
  const TRect clip = Rect(0, 0, 5, 5);
  canvas.SetClipRect(&clip);
  FillRectColor(canvas, Rect(-3, -3, 20, 20), RGBColor(0xFF, 0, 0));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 10 && x < 15 && y >= 5 && y < 10;
      ASSERT_EQ(target.Pixel(x, y), inside ? 0x00FF0000u : kBackground) << x << "," << y;
    }
  canvas.SetClipRect(nullptr);
  FrameRectColor(canvas, Rect(0, 0, 3, 3), RGBColor(0, 0, 0xFF));
  EXPECT_EQ(target.Pixel(10, 5), 0x000000FFu);
  EXPECT_EQ(target.Pixel(12, 7), 0x000000FFu);
  EXPECT_EQ(target.Pixel(11, 6), 0x00FF0000u);
}

TEST_F(Drawing, EdgesShrinkOnTheChosenSidesOnly) {
  DrawEdges(canvas, Rect(0, 0, 10, 10), esLeft | esBottom, RGBColor(0, 0, 2), RGBColor(0, 0, 1), 2);
  EXPECT_EQ(target.Pixel(0, 0), 1u);
  EXPECT_EQ(target.Pixel(1, 0), 1u);
  EXPECT_EQ(target.Pixel(2, 0), kBackground);
  EXPECT_EQ(target.Pixel(5, 9), 2u);
  EXPECT_EQ(target.Pixel(5, 8), 2u);
  EXPECT_EQ(target.Pixel(5, 7), kBackground);
  EXPECT_EQ(target.Pixel(9, 5), kBackground);  // right side not chosen
  DrawBevel(canvas, Rect(20, 20, 24, 24), RGBColor(0, 0, 1), RGBColor(0, 0, 2));
  EXPECT_EQ(target.Pixel(20, 23), 2u);  // bottom-left corner goes to the second colour
  EXPECT_EQ(target.Pixel(23, 20), 2u);
  EXPECT_EQ(target.Pixel(21, 20), 1u);
  EXPECT_EQ(target.Pixel(21, 21), kBackground);
}

TEST_F(Drawing, FocusAndRoundRectangles) {
  FocusRectColor(canvas, Rect(0, 0, 5, 4), RGBColor(0, 0, 1));
  auto row = [&](int y, int from, int to) {
    std::string s;
    for (int x = from; x < to; ++x) s += target.Pixel(x, y) == 1u ? '#' : '.';
    return s;
  };
  EXPECT_EQ(row(0, 0, 6), "#.#.#.");
  EXPECT_EQ(row(1, 0, 6), "......");
  EXPECT_EQ(row(2, 0, 6), "#...#.");
  EXPECT_EQ(row(3, 0, 6), ".#.#..");
  // Pixels whose centres lie inside the corner circles.
  RoundRectColor(canvas, Rect(10, 10, 20, 18), RGBColor(0, 0, 1), 4);
  EXPECT_EQ(row(10, 10, 20), "..######..");
  EXPECT_EQ(row(11, 10, 20), ".########.");
  EXPECT_EQ(row(12, 10, 20), "##########");
  EXPECT_EQ(row(17, 10, 20), "..######..");
  EXPECT_EQ(row(18, 10, 20), "..........");
}

TEST_F(Drawing, GradientRunsBetweenTheTwoColoursInEvenBands) {
  GradientFill(canvas, Rect(0, 0, 4, 2), RGBColor(0, 0, 0), false, RGBColor(200, 100, 0));
  // Four steps over four pixels: one band per column, the last colour reached at band 4.
  const std::uint32_t expected[4] = {0x000000, 0x321900, 0x643200, 0x964B00};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(target.Pixel(x, 0), expected[x]) << x;
    EXPECT_EQ(target.Pixel(x, 1), expected[x]) << x;
  }
  EXPECT_EQ(target.Pixel(4, 0), kBackground);
  // More than 255 pixels: 255 steps, bands of one or two pixels, ending with the last colour.
  TSeBitmap wide;
  wide.SetSize(600, 1);
  TSeMemoryCanvas c(wide);
  GradientFill(c, Rect(0, 0, 600, 1), RGBColor(0, 0, 0), false, RGBColor(255, 0, 0));
  EXPECT_EQ(wide.Pixel(0, 0), 0u);
  EXPECT_EQ(wide.Pixel(599, 0) >> 16, 254u);
  for (int x = 1; x < 600; ++x) ASSERT_GE(wide.Pixel(x, 0), wide.Pixel(x - 1, 0));
}

TEST_F(Drawing, CheckerStartsAtZeroAndAlternates) {
  CheckerFill(canvas, Rect(-4, -4, 4, 3), RGBColor(0, 0, 1), RGBColor(0, 0, 2));
  EXPECT_EQ(target.Pixel(0, 0), 2u);
  EXPECT_EQ(target.Pixel(1, 0), 1u);
  EXPECT_EQ(target.Pixel(1, 1), 2u);
  EXPECT_EQ(target.Pixel(3, 2), 1u);
  EXPECT_EQ(target.Pixel(4, 0), kBackground);
  EXPECT_EQ(target.Pixel(0, 3), kBackground);
}

TEST_F(Drawing, EllipsisKeepsWhatFitsWithTheDots) {
  TSeFont font;
  font.Height = -10;  // five pixels a character on this canvas
  canvas.SetFont(font);
  EXPECT_EQ(EllipsisText(canvas, u"Hello", 25), u"Hello");
  EXPECT_EQ(EllipsisText(canvas, u"Hello", 24), u"H...");
  EXPECT_EQ(EllipsisText(canvas, u"Hello", 30), u"Hello");
  EXPECT_EQ(EllipsisText(canvas, u"Hello world", 35), u"Hell...");  // exactly 35 fits
  EXPECT_EQ(EllipsisText(canvas, u"Hello world", 34), u"Hel...");
  EXPECT_EQ(EllipsisText(canvas, u"Hello", 19), u"...");
  EXPECT_EQ(TextWidthSkin(canvas, u"abc", 0), 15);
  EXPECT_EQ(TextHeightSkin(canvas, u"abc"), 10);
}

TEST_F(Drawing, RotatedTextTurnsTheWayItIsAsked) {
  if (!kHostCanvas) GTEST_SKIP() << "covered by the GDI tests";
  TSeFont font;
  font.Height = -4;  // characters 2 x 4
  font.Color = RGBColor(0, 0, 9);
  canvas.SetFont(font);
  // "A " upright is a 2 x 4 box then a 2 x 4 gap: 4 wide, 4 high.
  DrawRotatedText(canvas, u"A ", Rect(10, 10, 14, 14), true, 0);
  // Clockwise the start of the text is at the top, its upper edge on the right.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(target.Pixel(10 + x, 10 + y), y < 2 ? 9u : kBackground) << x << "," << y;
  target.Fill(kBackground);
  DrawRotatedText(canvas, u" A", Rect(10, 10, 14, 14), false, 0);
  // Anticlockwise the start is at the bottom, so the "A" of " A" is at the top.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(target.Pixel(10 + x, 10 + y), y < 2 ? 9u : kBackground) << x << "," << y;
  target.Fill(kBackground);
  // A 1 x 2 character in a 4 x 2 rectangle: the upright bitmap is 2 x 4 with the character
  // in its top-left corner; each turn puts it in a different corner.
  font.Height = -2;
  canvas.SetFont(font);
  DrawRotatedText(canvas, u"A", Rect(0, 0, 4, 2), true, 0);
  DrawRotatedText(canvas, u"A", Rect(0, 4, 4, 6), false, 0);
  auto row = [&](int y) {
    std::string s;
    for (int x = 0; x < 4; ++x) s += target.Pixel(x, y) == 9u ? '#' : '.';
    return s;
  };
  EXPECT_EQ(row(0), "..##");
  EXPECT_EQ(row(1), "....");
  EXPECT_EQ(row(4), "....");
  EXPECT_EQ(row(5), "##..");
}

TEST(BitmapRegion, OneRectanglePerRunOfVisiblePixels) {
  TSeBitmap b;
  b.SetSize(5, 2);
  b.Fill(0xFF000000);
  b.SetPixel(2, 0, kSeKeyColor);
  b.SetPixel(0, 1, 0xFF7F007F);  // key colour with any alpha is a hole
  b.SetPixel(4, 1, kSeKeyColor);
  const TSeRegion region = CreateBitmapRegion(b, 10, 20);
  EXPECT_EQ(region.Bounds, Rect(0, 0, 5, 2));
  const std::vector<TRect> expected = {Rect(10, 20, 12, 21), Rect(13, 20, 15, 21),
                                       Rect(11, 21, 14, 22)};
  EXPECT_EQ(region.Rects, expected);
  EXPECT_TRUE(CreateBitmapRegion(TSeBitmap(), 0, 0).Rects.empty());
}

}  // namespace
