#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "skin/objects/TSeBitmap.h"
#include "tools/skinart/TSkinPainter.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skinsource/TSkinManifestFile.h"
#include "tools/skinsource/TWholeFile.h"

namespace skinart {
namespace {

class SkinPainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    painted_ = new std::vector<TPaintedBitmap>(TSkinPainter::PaintAll());
  }
  static void TearDownTestSuite() { delete painted_; }

  static const TArtCanvas& Picture(const std::string& name) {
    for (const auto& b : *painted_)
      if (b.skinName == name) return b.picture;
    throw std::runtime_error("no picture " + name);
  }

  static std::vector<TPaintedBitmap>* painted_;
};

std::vector<TPaintedBitmap>* SkinPainterTest::painted_ = nullptr;

TEST_F(SkinPainterTest, PaintsWhatTheManifestListsInItsOrder) {
  const std::string path = std::string(QM_SKIN_SOURCES) + "/manifest.txt";
  const auto m = skinsource::TSkinManifestFile::Parse(skinsource::TWholeFile::ReadText(path), path);
  ASSERT_EQ(painted_->size(), m.bitmaps.size());
  std::set<std::string> files;
  for (std::size_t i = 0; i < m.bitmaps.size(); ++i) {
    EXPECT_EQ((*painted_)[i].skinName, m.bitmaps[i].first) << i;
    EXPECT_EQ((*painted_)[i].fileName, m.bitmaps[i].second) << i;
    EXPECT_TRUE(files.insert((*painted_)[i].fileName).second) << (*painted_)[i].fileName;
  }
}

TEST_F(SkinPainterTest, DrawsTheSameBytesEveryTime) {
  const auto again = TSkinPainter::PaintAll();
  ASSERT_EQ(again.size(), painted_->size());
  for (std::size_t i = 0; i < again.size(); ++i)
    EXPECT_EQ(skinsource::TSkinBitmapFile::Encode(*again[i].picture.ToBitmap()),
              skinsource::TSkinBitmapFile::Encode(*(*painted_)[i].picture.ToBitmap()))
        << again[i].fileName;
}

// A pixel close to magenta but not magenta shows as a pink fringe on any background, and one
// within 6 per channel would even turn transparent when the skin is loaded.
TEST_F(SkinPainterTest, NoPinkFringes) {
  for (const auto& b : *painted_)
    for (int y = 0; y < b.picture.Height(); ++y)
      for (int x = 0; x < b.picture.Width(); ++x) {
        const TRgb p = b.picture.At(x, y);
        if (p == kMagenta) continue;
        const bool pinkish = p.r > 190 && p.b > 190 && p.g < 90;
        EXPECT_FALSE(pinkish) << b.fileName << " at " << x << ", " << y;
      }
}

// Parts that the frame stretches must not vary along the stretch, or they smear.
TEST_F(SkinPainterTest, StretchedFramePartsAreUniformAlongTheStretch) {
  const TArtCanvas& caption = Picture("FRAMECAPTION.BMP");
  for (int y = 0; y < caption.Height(); ++y)
    for (int x = 10; x < 57; ++x) EXPECT_EQ(caption.At(x, y), caption.At(10, y)) << x << ", " << y;
  for (const char* side : {"FRAMELEFT.BMP", "FRAMERIGHT.BMP"}) {
    const TArtCanvas& c = Picture(side);
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x) EXPECT_EQ(c.At(x, y), c.At(x, 0)) << side;
  }
  const TArtCanvas& bottom = Picture("FRAMEBOTTOM.BMP");
  for (int y = 0; y < bottom.Height(); ++y)
    for (int x = 5; x < 25; ++x) EXPECT_EQ(bottom.At(x, y), bottom.At(5, y));
}

// The caption's outline runs on into the side borders, active and inactive alike.
TEST_F(SkinPainterTest, CaptionAndBordersMeet) {
  const TArtCanvas& caption = Picture("FRAMECAPTION.BMP");
  const TArtCanvas& left = Picture("FRAMELEFT.BMP");
  const TArtCanvas& right = Picture("FRAMERIGHT.BMP");
  for (int look = 0; look < 2; ++look) {
    const int lastRow = look * 29 + 28;
    EXPECT_EQ(caption.At(0, lastRow), left.At(look * 5, 0));
    EXPECT_EQ(caption.At(66, lastRow), right.At(look * 5 + 4, 0));
    EXPECT_EQ(caption.At(0, look * 29), kMagenta);  // rounded corners
    EXPECT_EQ(caption.At(66, look * 29), kMagenta);
  }
}

// Caption buttons are drawn over the caption row they sit on (5 pixels down), so their
// rounded corners blend into it instead of showing a box.
TEST_F(SkinPainterTest, CaptionButtonCornersMatchTheCaptionBehindThem) {
  const TArtCanvas& caption = Picture("FRAMECAPTION.BMP");
  for (const char* name : {"CLOSEBUTTON.bmp", "SYSBUTTON.BMP"}) {
    const TArtCanvas& strip = Picture(name);
    for (int frame = 0; frame < 8; ++frame) {
      const int captionRow = (frame < 4 ? 0 : 29) + 5;
      EXPECT_EQ(strip.At(0, frame * 21), caption.At(20, captionRow)) << name << frame;
      EXPECT_EQ(strip.At(0, frame * 21 + 20), caption.At(20, captionRow + 20)) << name << frame;
    }
  }
}

// Glyphs are transparent around their strokes and opaque on them.
TEST_F(SkinPainterTest, CaptionGlyphsAreStrokesOnTransparency) {
  for (const char* name :
       {"GLYPHCLOSE.BMP", "GLYPHRESTORE.BMP", "GLYPHMAXIMIZE.BMP", "GLYPHMINIMIZE.BMP",
        "GLYPHROLLDOWN.BMP", "GLYPHROLLUP.BMP", "GLYPHTRAY.BMP", "GLYPHHELP.BMP"}) {
    const TArtCanvas& g = Picture(name);
    ASSERT_EQ(g.Width(), 11) << name;
    ASSERT_EQ(g.Height(), 44) << name;
    for (int cell = 0; cell < 4; ++cell) {
      int opaque = 0;
      for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) opaque += g.At(x, cell * 11 + y) == kMagenta ? 0 : 1;
      EXPECT_GT(opaque, 8) << name << " cell " << cell;
      EXPECT_LT(opaque, 11 * 11 * 3 / 4) << name << " cell " << cell;
    }
  }
}

// The active caption is the strong blue; the inactive one is lighter.
TEST_F(SkinPainterTest, InactiveLooksAreLighter) {
  auto lightness = [](const TArtCanvas& c, int x0, int y0, int w, int h) {
    long sum = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        const TRgb p = c.At(x, y);
        sum += p.r + p.g + p.b;
      }
    return sum;
  };
  const TArtCanvas& caption = Picture("FRAMECAPTION.BMP");
  EXPECT_GT(lightness(caption, 10, 29, 47, 29), lightness(caption, 10, 0, 47, 29));
  const TArtCanvas& buttons = Picture("SYSBUTTON.BMP");
  EXPECT_GT(lightness(buttons, 2, 4 * 21 + 2, 19, 17), lightness(buttons, 2, 2, 19, 17));
}

}  // namespace
}  // namespace skinart
