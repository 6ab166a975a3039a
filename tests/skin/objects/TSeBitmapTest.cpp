#include <gtest/gtest.h>

#include <vector>

#include "framework/core/TMemoryStream.h"
#include "skin/objects/ESeBitmapError.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapLink.h"

namespace {

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

TEST(SeBitmap, SetSizeRulesAndNotifications) {
  std::vector<std::string> events;  // outlives b, whose destruction still reports
  TSeBitmap b;
  b.OnChange = [&](TSeBitmap& x) { events.push_back("change " + std::to_string(x.Width())); };
  b.OnFree = [&](TSeBitmap& x) { events.push_back("free " + std::to_string(x.Width())); };
  EXPECT_TRUE(b.IsEmpty());
  b.SetSize(-5, 10);
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Height(), 10);
  EXPECT_FALSE(b.IsEmpty());
  b.SetSize(0, 10);
  b.SetSize(5, 0);
  b.SetSize(5, -10);  // the current size
  EXPECT_EQ(events, (std::vector<std::string>{"change 5"}));
  b.SetSize(7, 3);
  EXPECT_EQ(events, (std::vector<std::string>{"change 5", "free 5", "change 7"}));
  events.clear();
  {
    TSeBitmap gone;
    gone.SetSize(2, 2);
    gone.OnFree = b.OnFree;
  }
  EXPECT_EQ(events, (std::vector<std::string>{"free 2"}));
}

TEST(SeBitmap, SizeThatCannotBeAllocatedLeavesItEmptyAndStillNotifies) {
  TSeBitmap b;
  b.SetSize(4, 4);
  int changes = 0;
  b.OnChange = [&](TSeBitmap&) { ++changes; };
  try {
    b.SetSize(100000, 100000);
    FAIL() << "no error";
  } catch (const ESeBitmapError& e) {
    EXPECT_EQ(e.Message(), "Can't allocate the DIB handle");
  }
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(changes, 1);
  // The most negative width must not overflow into a small size.
  EXPECT_THROW(b.SetSize(-2147483647 - 1, 1), ESeBitmapError);
  EXPECT_TRUE(b.IsEmpty());
}

TEST(SeBitmap, PixelsOutsideAreOpaqueBlack) {
  TSeBitmap b;
  EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
  b.SetSize(3, 2);
  b.Fill(0x11223344);
  EXPECT_EQ(b.Pixel(2, 1), 0x11223344u);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}})
    EXPECT_EQ(b.Pixel(x, y), 0xFF000000u) << x << "," << y;
}

TEST(SeBitmap, KeyColourReplacesOnlyPixelsWithinFivePerChannel) {
  TSeBitmap b;
  b.SetSize(6, 1);
  const std::uint32_t in[] = {Argb(255, 255, 0, 255), Argb(255, 250, 5, 250),
                              Argb(255, 249, 0, 255), Argb(0, 255, 6, 255),
                              Argb(9, 255, 0, 250),   Argb(255, 0, 0, 0)};
  for (int x = 0; x < 6; ++x) b.SetPixel(x, 0, in[x]);
  b.ReplaceColor(RGBColor(255, 0, 255));
  EXPECT_EQ(b.Pixel(0, 0), kSeKeyColor);
  EXPECT_EQ(b.Pixel(1, 0), kSeKeyColor);
  EXPECT_EQ(b.Pixel(2, 0), in[2]);
  EXPECT_EQ(b.Pixel(3, 0), in[3]);
  EXPECT_EQ(b.Pixel(4, 0), kSeKeyColor);
  EXPECT_EQ(b.Pixel(5, 0), in[5]);
}

TEST(SeBitmap, FillRectAndSetAlphaRectClipToTheBitmap) {
  TSeBitmap b;
  b.SetSize(4, 3);
  b.Fill(Argb(255, 1, 2, 3));
  b.FillRect(Rect(-5, 2, 2, 10), 0x00ABCDEF);
  b.SetAlphaRect(7, Rect(3, -1, 9, 1));
  b.SetAlphaRect(9, Rect(2, 2, 2, 3));  // empty
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      std::uint32_t expected = Argb(255, 1, 2, 3);
      if (y == 2 && x < 2) expected = 0x00ABCDEF;
      if (y == 0 && x == 3) expected = Argb(7, 1, 2, 3);
      EXPECT_EQ(b.Pixel(x, y), expected) << x << "," << y;
    }
  b.SetAlpha(200);
  EXPECT_EQ(b.Pixel(0, 2), 0xC8ABCDEFu);
}

TEST(SeBitmap, BlendingRules) {
  // Opaque and transparent sources short-cut; half alpha mixes every byte, alpha included.
  EXPECT_EQ(BlendPixel(0xFF123456, 0x80654321), 0xFF123456u);
  EXPECT_EQ(BlendPixel(0x00123456, 0x80654321), 0x80654321u);
  EXPECT_EQ(BlendPixel(0x80FF0000, 0xFF0000FF), 0xBF80007Fu);
  // Channels are blended two at a time; full channels must not carry into their neighbours.
  for (std::uint32_t a = 1; a < 255; ++a) {
    const std::uint32_t byte = ((a * 255 + 128) >> 8) + (((255 - a) * 255 + 128) >> 8);
    const std::uint32_t all = (byte << 24) | (byte << 16) | (byte << 8) | byte;
    const std::uint32_t blended = BlendPixel((a << 24) | 0xFFFFFF, 0xFFFFFFFF);
    EXPECT_EQ(blended & 0xFFFFFF, all & 0xFFFFFF) << a;
  }

  TSeBitmap b;
  b.SetSize(2, 1);
  b.Fill(0xFF0000FF);
  b.AlphaBlend = true;
  b.FillRect(Rect(1, 0, 5, 1), 0x80FF0000);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(b.Pixel(1, 0), 0xBF80007Fu);
}

TEST(SeBitmap, UnderlayKeepsOpaqueTakesTransparentBlendsTheRest) {
  TSeBitmap top, under;
  top.SetSize(3, 2);
  top.SetPixel(0, 0, 0x00111111);
  top.SetPixel(1, 0, 0xFF222222);
  top.SetPixel(2, 0, 0x80FF0000);
  top.SetPixel(0, 1, 0x00333333);
  top.SetPixel(1, 1, 0x00444444);
  top.SetPixel(2, 1, 0x00555555);
  under.SetSize(4, 4);
  under.Fill(0xFF0000FF);
  under.SetPixel(1, 1, 0xFFABCDEF);
  // Rect starts at 1,1 of the source and reaches beyond it; the top bitmap gets it at 0,0.
  top.Underlay(under, 0, 0, Rect(1, 1, 9, 9));
  EXPECT_EQ(top.Pixel(0, 0), 0xFFABCDEFu);
  EXPECT_EQ(top.Pixel(1, 0), 0xFF222222u);
  EXPECT_EQ(top.Pixel(2, 0), 0xBF80007Fu);
  EXPECT_EQ(top.Pixel(0, 1), 0xFF0000FFu);
}

TEST(SeBitmap, AlphaDrawToClipsToBothBitmaps) {
  TSeBitmap src, dst;
  src.SetSize(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) src.SetPixel(x, y, Argb(255, x, y, 9));
  dst.SetSize(4, 4);
  dst.Fill(0);
  // Source rectangle partly outside the source, destination partly outside the target.
  src.AlphaDrawTo(dst, 2, -1, Rect(1, 0, 5, 3));
  EXPECT_EQ(dst.Pixel(2, 0), Argb(255, 1, 1, 9));
  EXPECT_EQ(dst.Pixel(3, 1), Argb(255, 2, 2, 9));
  EXPECT_EQ(dst.Pixel(1, 0), 0u);
  EXPECT_EQ(dst.Pixel(2, 2), 0u);  // source row 3 does not exist
  // Blending source over target, stretched 1 x 1 -> 2 x 2.
  src.AlphaBlend = true;
  src.SetPixel(0, 0, 0x00FFFFFF);
  dst.Fill(0xFF0000FF);
  src.AlphaStretchTo(dst, Rect(0, 0, 2, 2), Rect(0, 0, 1, 1));
  EXPECT_EQ(dst.Pixel(1, 1), 0xFF0000FFu);
}

TEST(SeBitmap, RecordRoundTripsWithLittleEndianPixels) {
  TSeBitmap b;
  b.Name = "FRAMECAPTION.BMP";
  b.SetSize(2, 1);
  b.SetPixel(0, 0, 0x11223344);
  b.SetPixel(1, 0, kSeKeyColor);
  TMemoryStream s;
  b.SaveToStream(s);
  const std::vector<std::uint8_t> tail = {2,    0,    0,    0,    1,    0, 0,    0,
                                          0x44, 0x33, 0x22, 0x11, 0x7F, 0, 0x7F, 0};
  ASSERT_EQ(s.Size(), 4 + 16 + 16);
  EXPECT_EQ(std::vector<std::uint8_t>(s.Bytes().begin() + 20, s.Bytes().end()), tail);
  s.SetPosition(0);
  TSeBitmap c;
  c.LoadFromStream(s);
  EXPECT_EQ(c.Name, "FRAMECAPTION.BMP");
  EXPECT_EQ(c.Width(), 2);
  EXPECT_EQ(c.Pixel(0, 0), 0x11223344u);
  EXPECT_EQ(c.Pixel(1, 0), kSeKeyColor);
  EXPECT_EQ(s.Remaining(), 0);
}

TEST(SeBitmap, ZeroSizeRecordHasNoPixelBytes) {
  TMemoryStream s;
  s.WriteInt32(1);
  s.WriteBuffer("X", 1);
  s.WriteInt32(0);
  s.WriteInt32(7);
  s.WriteInt32(0x12345678);  // the next record's first bytes
  s.SetPosition(0);
  TSeBitmap b;
  b.LoadFromStream(s);
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(b.Name, "X");
  EXPECT_EQ(s.ReadInt32(), 0x12345678);
  // An empty bitmap writes a record of the same shape.
  TMemoryStream out;
  b.SaveToStream(out);
  EXPECT_EQ(out.Size(), 4 + 1 + 8);
}

TEST(SeBitmap, HostileRecordsFailCleanly) {
  struct Case {
    std::int32_t nameLength, width, height;
    const char* why;
  };
  for (const Case& c :
       {Case{0x7FFFFFF0, 1, 1, "name longer than the stream"},
        Case{-1, 1, 1, "negative name length"},
        Case{0, 20000, 20000, "pixels the stream does not hold"},
        Case{0, 0x7FFFFFFF, 0x7FFFFFFF, "overflowing size"}, Case{0, -4, 4, "negative width"}}) {
    TMemoryStream s;
    s.WriteInt32(c.nameLength);
    s.WriteInt32(c.width);
    s.WriteInt32(c.height);
    for (int i = 0; i < 64; ++i) s.WriteInt32(-1);
    s.SetPosition(0);
    TSeBitmap b;
    EXPECT_THROW(b.LoadFromStream(s), EReadError) << c.why;
    EXPECT_TRUE(b.IsEmpty()) << c.why;
  }
}

TEST(SeBitmap, ChangeHueMakesVisiblePixelsOpaqueAndSkipsKeyColour) {
  TSeBitmap b;
  b.SetSize(3, 1);
  b.SetPixel(0, 0, kSeKeyColor);
  b.SetPixel(1, 0, Argb(10, 255, 0, 0));
  b.SetPixel(2, 0, Argb(10, 255, 0, 0));
  b.ChangeHue(85);
  EXPECT_EQ(b.Pixel(0, 0), kSeKeyColor);
  EXPECT_EQ(b.Pixel(1, 0), Argb(255, 0, 255, 0));
  EXPECT_EQ(b.Pixel(2, 0), Argb(255, 0, 255, 0));
  EXPECT_TRUE(b.HasDeviceCopy());
}

TEST(SeBitmap, CreateLinkCarriesNameImageAndRectangle) {
  TSeBitmap b;
  b.Name = "CLOSEBUTTON.bmp";
  b.SetSize(21, 168);
  auto link = b.CreateLink(Rect(0, 84, 21, 105));
  EXPECT_EQ(link->GetImage(), &b);
  EXPECT_EQ(link->GetName(), "CLOSEBUTTON.bmp");
  EXPECT_EQ(link->GetRect(), Rect(0, 84, 21, 105));
  EXPECT_TRUE(link->IsValid());
  TSeBitmapLink copy;
  copy.Assign(*link);
  EXPECT_EQ(copy.GetImage(), &b);
  EXPECT_EQ(copy.GetRect(), link->GetRect());
  EXPECT_EQ(copy.GetName(), "CLOSEBUTTON.bmp");
  copy.SetRect(Rect(5, 5, 1, 1));  // both extents negative: no area
  EXPECT_FALSE(copy.IsValid());
  copy.SetRect(Rect(0, 0, 3, 0));
  EXPECT_FALSE(copy.IsValid());
  copy.SetRect(Rect(0, 0, 3, 3));
  copy.SetImage(nullptr);
  EXPECT_FALSE(copy.IsValid());
}

}  // namespace
