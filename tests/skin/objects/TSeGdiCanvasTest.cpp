// Painting into skin bitmaps through real GDI: the DIB section, TransparentBlt or the hand
// mask, stretching, the device copy and regions, checked pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/win/RegionHandle.h"
#include "skin/objects/win/SeIcon.h"
#include "skin/objects/win/TSeGdiCanvas.h"
#include "tests/support/GdiObjects.h"

namespace {

constexpr std::uint32_t kBackground = 0x00C0C0C0;

std::uint32_t Rgb(std::uint32_t p) {
  return p & 0x00FFFFFF;
}

class GdiPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    target.SetSize(40, 30);
    target.Fill(kBackground);
    source.SetSize(3, 2);
    // Every visible pixel distinct; two key pixels, one with alpha.
    const std::uint32_t pixels[6] = {0xFF102030, kSeKeyColor, 0xFF405060,
                                     0xFF708090, 0xFFA0B0C0,  0xFF7F007F};
    for (int i = 0; i < 6; ++i) source.SetPixel(i % 3, i / 3, pixels[i]);
  }
  void TearDown() override { TSeBitmap::SetMaskFallbackForced(false); }

  // Masked stretch of the source to 7 x 5 at 10, 10, compared with nearest sampling.
  void ExpectMaskedStretch() {
    const int columns[7] = {0, 0, 0, 1, 1, 2, 2};
    const int rows[5] = {0, 0, 0, 1, 1};
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) {
        const std::uint32_t p = source.Pixel(columns[x], rows[y]);
        const std::uint32_t expected = Rgb(p) == 0x7F007F ? Rgb(kBackground) : Rgb(p);
        EXPECT_EQ(Rgb(target.Pixel(10 + x, 10 + y)), expected) << x << "," << y;
      }
  }

  TSeBitmap target, source;
};

TEST_F(GdiPainting, FillsAndFramesLandInTheBitmapsPixels) {
  {
    auto canvas = CreateBitmapCanvas(target);
    canvas->SetOrigin({5, 5});
    FillRectColor(*canvas, Rect(0, 0, 4, 3), RGBColor(0x11, 0x22, 0x33));
    FrameRectColor(*canvas, Rect(10, 10, 14, 14), RGBColor(0xFF, 0, 0));
    const TRect clip = Rect(20, 0, 22, 2);
    canvas->SetClipRect(&clip);
    FillRectColor(*canvas, Rect(0, 0, 40, 40), RGBColor(0, 0xFF, 0));
  }
  EXPECT_EQ(Rgb(target.Pixel(5, 5)), 0x112233u);
  EXPECT_EQ(Rgb(target.Pixel(8, 7)), 0x112233u);
  EXPECT_EQ(Rgb(target.Pixel(9, 7)), kBackground);
  EXPECT_EQ(Rgb(target.Pixel(15, 15)), 0xFF0000u);
  EXPECT_EQ(Rgb(target.Pixel(18, 18)), 0xFF0000u);
  EXPECT_EQ(Rgb(target.Pixel(16, 16)), kBackground);
  EXPECT_EQ(Rgb(target.Pixel(25, 5)), 0x00FF00u);
  EXPECT_EQ(Rgb(target.Pixel(27, 5)), kBackground);
  EXPECT_EQ(Rgb(target.Pixel(25, 7)), kBackground);
}

TEST_F(GdiPainting, MaskedDrawWithTheSystemBlit) {
  ASSERT_TRUE(TSeGdiCanvas::HasTransparentBlt());
  // Key pixels as a skin read from a store holds them: alpha 0 (others take the hand mask).
  source.SetPixel(2, 1, kSeKeyColor);
  auto canvas = CreateBitmapCanvas(target);
  source.Draw(*canvas, 1, 1, true);
  source.StretchDraw(*canvas, Rect(10, 10, 17, 15), true, source.BoundsRect());
  canvas.reset();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const std::uint32_t p = Rgb(source.Pixel(x, y));
      EXPECT_EQ(Rgb(target.Pixel(1 + x, 1 + y)), p == 0x7F007F ? kBackground : p) << x << y;
    }
  // The system samples a stretch its own way; every pixel is the background or a visible
  // source pixel, and the corners come from the source's corners.
  for (int y = 10; y < 15; ++y)
    for (int x = 10; x < 17; ++x) {
      const std::uint32_t p = Rgb(target.Pixel(x, y));
      EXPECT_NE(p, 0x7F007Fu) << x << "," << y;
      bool known = p == kBackground;
      for (int i = 0; i < 6; ++i) known = known || p == Rgb(source.Pixel(i % 3, i / 3));
      EXPECT_TRUE(known) << x << "," << y;
    }
  EXPECT_EQ(Rgb(target.Pixel(10, 10)), Rgb(source.Pixel(0, 0)));
  EXPECT_EQ(Rgb(target.Pixel(10, 14)), Rgb(source.Pixel(0, 1)));
  EXPECT_EQ(Rgb(target.Pixel(16, 14)), kBackground);
}

TEST_F(GdiPainting, KeyPixelsWithAlphaStayOutWhicheverBlitIsUsed) {
  // The source's second key pixel has alpha 255 (as after SetAlpha); it must not show.
  auto canvas = CreateBitmapCanvas(target);
  source.Draw(*canvas, 1, 1, true);
  canvas.reset();
  EXPECT_EQ(Rgb(target.Pixel(3, 2)), kBackground);
  EXPECT_EQ(Rgb(target.Pixel(2, 1)), kBackground);
  EXPECT_EQ(Rgb(target.Pixel(1, 1)), Rgb(source.Pixel(0, 0)));
}

TEST_F(GdiPainting, MaskedStretchWithTheHandMask) {
  TSeBitmap::SetMaskFallbackForced(true);
  auto canvas = CreateBitmapCanvas(target);
  source.StretchDraw(*canvas, Rect(10, 10, 17, 15), true, source.BoundsRect());
  canvas.reset();
  ExpectMaskedStretch();
}

TEST_F(GdiPainting, TheHandMaskShowsWhatLiesUnderKeyPixelsWithAnOrigin) {
  // Every target pixel distinct, so a copy of the area read from the wrong place shows.
  auto under = [](int x, int y) {
    return static_cast<std::uint32_t>(x * 6 << 16 | y * 8 << 8 | 0x11);
  };
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) target.SetPixel(x, y, 0xFF000000u | under(x, y));
  TSeBitmap::SetMaskFallbackForced(true);
  auto canvas = CreateBitmapCanvas(target);
  canvas->SetOrigin({5, 3});
  source.Draw(*canvas, 1, 1, true);                                              // at 6, 4
  source.StretchDraw(*canvas, Rect(10, 10, 16, 14), true, source.BoundsRect());  // 15, 13, 2x
  canvas.reset();
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      std::uint32_t expected = under(x, y);
      if (x >= 6 && x < 9 && y >= 4 && y < 6) expected = Rgb(source.Pixel(x - 6, y - 4));
      if (x >= 15 && x < 21 && y >= 13 && y < 17)
        expected = Rgb(source.Pixel((x - 15) / 2, (y - 13) / 2));
      if (expected == 0x7F007F) expected = under(x, y);  // a key pixel
      ASSERT_EQ(Rgb(target.Pixel(x, y)), expected) << x << "," << y;
    }
}

TEST_F(GdiPainting, UnmaskedDrawCopiesAndStretches) {
  auto canvas = CreateBitmapCanvas(target);
  source.Draw(*canvas, 1, 1, false);
  source.StretchDraw(*canvas, Rect(20, 20, 26, 24), false, source.BoundsRect());
  canvas.reset();
  EXPECT_EQ(Rgb(target.Pixel(2, 1)), 0x7F007Fu);  // unmasked keeps the key colour
  EXPECT_EQ(Rgb(target.Pixel(3, 2)), Rgb(source.Pixel(2, 1)));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(Rgb(target.Pixel(20 + x, 20 + y)), Rgb(source.Pixel(x / 2, y / 2)))
          << x << "," << y;
}

TEST_F(GdiPainting, DeviceCopyHoldsThePictureItWasGiven) {
  auto canvas = CreateBitmapCanvas(target);
  source.DeviceDraw(*canvas, Rect(0, 0, 3, 2), source.BoundsRect());
  EXPECT_EQ(Rgb(target.Pixel(0, 0)), kBackground);  // no device copy yet: nothing drawn
  source.UpdateDeviceCopy();
  const std::uint32_t before = source.Pixel(0, 0);
  source.Fill(0xFF000000);
  source.DeviceDraw(*canvas, Rect(0, 0, 6, 4), source.BoundsRect());
  canvas.reset();
  EXPECT_EQ(Rgb(target.Pixel(1, 1)), Rgb(before));
  EXPECT_EQ(Rgb(target.Pixel(2, 2)), Rgb(0xFFA0B0C0));
}

// Loading a skin asks every picture for a device copy; the screen bitmap waits for the first
// draw, and the last picture asked for before it is the one drawn.
TEST_F(GdiPainting, DeviceCopyIsMadeAtItsFirstDraw) {
  auto canvas = CreateBitmapCanvas(target);
  const DWORD before = GdiObjects();
  source.UpdateDeviceCopy();
  source.Fill(0xFF102030);
  source.UpdateDeviceCopy();
  EXPECT_TRUE(source.HasDeviceCopy());
  EXPECT_EQ(GdiObjects(), before);
  source.Fill(0xFF000000);
  source.DeviceDraw(*canvas, Rect(0, 0, 3, 2), source.BoundsRect());
  EXPECT_EQ(GdiObjects(), before + 1);
  canvas.reset();
  EXPECT_EQ(Rgb(target.Pixel(2, 1)), 0x00102030u);
}

TEST_F(GdiPainting, TilingThroughGdi) {
  TSeBitmap tile;
  tile.SetSize(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) tile.SetPixel(x, y, 0xFF000000u | (x * 20 << 8) | y * 20);
  tile.UpdateDeviceCopy();
  for (bool masked : {false, true}) {
    target.Fill(kBackground);
    auto canvas = CreateBitmapCanvas(target);
    tile.TileDraw(*canvas, Rect(2, 3, 27, 13), masked, tile.BoundsRect());
    canvas.reset();
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool inside = x >= 2 && x < 27 && y >= 3 && y < 13;
        const std::uint32_t expected = inside ? Rgb(tile.Pixel((x - 2) % 10, y - 3)) : kBackground;
        ASSERT_EQ(Rgb(target.Pixel(x, y)), expected) << x << "," << y << " masked " << masked;
      }
  }
}

TEST_F(GdiPainting, RotatedTextStaysInsideItsRectangle) {
  auto canvas = CreateBitmapCanvas(target);
  TSeFont font;
  font.Height = -11;
  font.Color = RGBColor(0, 0, 0xFF);
  canvas->SetFont(font);
  DrawRotatedText(*canvas, u"Ab", Rect(5, 2, 20, 28), true, 0);
  canvas.reset();
  int inside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      if (Rgb(target.Pixel(x, y)) == kBackground) continue;
      ASSERT_TRUE(x >= 5 && x < 20 && y >= 2 && y < 28) << x << "," << y;
      ++inside;
    }
  EXPECT_GT(inside, 5);
}

// Everything a skin does with its bitmaps, many times over: no GDI object may be left behind.
TEST(GdiSoak, BitmapsCanvasesAndRegionsGiveBackEveryHandle) {
  auto cycle = [](int i) {
    TSeBitmap target, source;
    target.SetSize(64, 48);
    source.SetSize(10 + i % 7, 10);
    source.Fill(0xFF336699);
    source.SetPixel(0, 0, kSeKeyColor);
    source.UpdateDeviceCopy();
    source.SetSize(12 + i % 5, 9);  // resizing releases the old section and device copy
    source.Fill(0xFF996633);
    source.UpdateDeviceCopy();
    auto canvas = CreateBitmapCanvas(target);
    const TRect clip = Rect(2, 2, 60, 40);
    canvas->SetClipRect(&clip);
    canvas->SetOrigin({1, 1});
    FillRectColor(*canvas, Rect(0, 0, 30, 30), clBtnFace);
    DrawBevel(*canvas, Rect(0, 0, 20, 20), clWhite, clBlack);
    CheckerFill(*canvas, Rect(5, 5, 25, 25), clWhite, clBlack);
    TSeFont font;
    font.Style = fsBold;
    canvas->SetFont(font);
    DrawTextSkin(*canvas, u"Soak", Rect(0, 0, 60, 20), 0);
    DrawRotatedText(*canvas, u"Up", Rect(40, 0, 55, 40), i % 2 == 0, 0);
    TSeBitmap::SetMaskFallbackForced(i % 2 == 0);
    source.TileDraw(*canvas, Rect(0, 0, 50, 40), true, source.BoundsRect());
    source.TileDraw(*canvas, Rect(0, 0, 50, 40), false, source.BoundsRect());
    source.StretchDraw(*canvas, Rect(0, 0, 33, 17), false, source.BoundsRect());
    TSeBitmap::SetMaskFallbackForced(false);
    CreateRegionHandle(CreateBitmapRegion(source, 0, 0));  // made and freed again
  };
  cycle(0);  // first use creates the lasting objects (stock font cache and the like)
  const DWORD before = GdiObjects();
  ASSERT_GT(before, 0u);
  for (int i = 1; i <= 200; ++i) cycle(i);
  EXPECT_EQ(GdiObjects(), before);
}

TEST(GdiRegion, RectangleListBecomesAPlatformRegion) {
  TSeBitmap b;
  b.SetSize(4, 2);
  b.Fill(0xFF000000);
  b.SetPixel(1, 0, kSeKeyColor);
  b.SetPixel(3, 1, kSeKeyColor);
  const Handles::Region owned = CreateRegionHandle(CreateBitmapRegion(b, 0, 0));
  const HRGN region = owned.Get();
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 1, 0));
  EXPECT_TRUE(PtInRegion(region, 2, 0));
  EXPECT_TRUE(PtInRegion(region, 2, 1));
  EXPECT_FALSE(PtInRegion(region, 3, 1));
  EXPECT_FALSE(PtInRegion(region, 0, 2));
}

TEST(GdiIcon, SmallIconIsCentred) {
  // A solid red 16 x 16 icon (colour bitmap plus an all-opaque mask).
  std::vector<std::uint32_t> red(256, 0x00FF0000);
  std::vector<std::uint8_t> mask(32, 0);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = CreateBitmap(16, 16, 1, 32, red.data());
  info.hbmMask = CreateBitmap(16, 16, 1, 1, mask.data());
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  ASSERT_NE(icon, nullptr);
  TSeBitmap b;
  b.SetSize(40, 40);
  b.Fill(kBackground);
  {
    TSeGdiCanvas canvas(static_cast<HDC>(b.Surface().NativeContext()));
    DrawIconCentered(canvas, icon, Rect(5, 5, 35, 33));  // 30 x 28: icon at 12, 11
  }
  DestroyIcon(icon);
  EXPECT_EQ(Rgb(b.Pixel(12, 11)), 0xFF0000u);
  EXPECT_EQ(Rgb(b.Pixel(27, 26)), 0xFF0000u);
  EXPECT_EQ(Rgb(b.Pixel(11, 11)), kBackground);
  EXPECT_EQ(Rgb(b.Pixel(28, 26)), kBackground);
  EXPECT_EQ(Rgb(b.Pixel(12, 27)), kBackground);
}

TEST(GdiText, EllipsisWithARealFont) {
  TSeBitmap b;
  b.SetSize(200, 20);
  auto canvas = CreateBitmapCanvas(b);
  const std::u16string text = u"A rather long caption for a small button";
  const std::u16string cut = EllipsisText(*canvas, text, 60);
  ASSERT_GE(cut.size(), 3u);
  EXPECT_EQ(cut.substr(cut.size() - 3), u"...");
  EXPECT_LE(canvas->TextExtent(cut).cx, 60);
  EXPECT_EQ(EllipsisText(*canvas, u"OK", 60), u"OK");
}

}  // namespace
