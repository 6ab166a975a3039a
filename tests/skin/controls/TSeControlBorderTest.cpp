#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/TSeControlBorder.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeMemoryCanvas.h"

namespace {

using Cut = TSeBevelCut;

TEST(ControlBorder, InnerRectInsets) {
  struct Row {
    const char* name;
    std::int32_t border, bevel;
    Cut inner, outer;
    TSeBevelSides sides;
    std::int32_t width, height;
    TRect inside;
  };
  // clang-format off
  const Row rows[] = {
      {"edit defaults: 3 + 2", 3, 1, Cut::kbvLowered, Cut::kbvLowered, kbsAll, 121, 21,
       {5, 5, 116, 16}},
      {"nothing", 0, 0, Cut::kbvLowered, Cut::kbvLowered, kbsAll, 50, 20, {0, 0, 50, 20}},
      {"one bevel counts once", 0, 2, Cut::kbvNone, Cut::kbvRaised, kbsAll, 50, 20,
       {2, 2, 48, 18}},
      {"no bevels count none", 1, 4, Cut::kbvNone, Cut::kbvNone, kbsAll, 50, 20, {1, 1, 49, 19}},
      {"bevels on chosen sides, border all round", 1, 2, Cut::kbvLowered, Cut::kbvNone,
       kbsLeft | kbsRight, 50, 20, {3, 1, 47, 19}},
      {"negative widths count as none", -3, -2, Cut::kbvLowered, Cut::kbvLowered, kbsAll, 50, 20,
       {0, 0, 50, 20}},
      {"larger than the control: empty", 30, 0, Cut::kbvLowered, Cut::kbvLowered, kbsAll, 50, 20,
       {30, 20, 30, 20}},
      {"huge widths do not overflow", INT_MAX, INT_MAX, Cut::kbvLowered, Cut::kbvLowered, kbsAll,
       50, 20, {50, 20, 50, 20}},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TSeControlBorder b;
    b.SetBorderWidth(r.border);
    b.SetBevelWidth(r.bevel);
    b.SetBevelInner(r.inner);
    b.SetBevelOuter(r.outer);
    b.SetBevelSides(r.sides);
    EXPECT_EQ(b.GetInnerRect(r.width, r.height), r.inside);
  }
}

TEST(ControlBorder, KindPresetsAndHandSetBevels) {
  struct Row {
    TSeBevelKind kind;
    Cut both;
  };
  const Row rows[] = {{TSeBevelKind::kbkSingle, Cut::kbvLowered},
                      {TSeBevelKind::kbkTile, Cut::kbvLowered},
                      {TSeBevelKind::kbkSoft, Cut::kbvLowered},
                      {TSeBevelKind::kbkBorder, Cut::kbvBorder},
                      {TSeBevelKind::kbkFlat, Cut::kbvFlatBorder}};
  for (const Row& r : rows) {
    TSeControlBorder b;
    b.SetBevelInner(Cut::kbvSpace);
    b.SetBevelOuter(Cut::kbvRaised);
    EXPECT_TRUE(b.SetBevelKind(r.kind));
    EXPECT_EQ(b.BevelInner(), r.both);
    EXPECT_EQ(b.BevelOuter(), r.both);
  }
  TSeControlBorder b;
  b.SetBevelKind(TSeBevelKind::kbkFlat);
  EXPECT_TRUE(b.SetBevelInner(Cut::kbvRaised));
  EXPECT_EQ(b.BevelKind(), TSeBevelKind::kbkNone);
  EXPECT_EQ(b.BevelOuter(), Cut::kbvFlatBorder);  // kbkNone leaves the bevels alone
  EXPECT_FALSE(b.SetBevelOuter(Cut::kbvFlatBorder));
  b.SetBevelKind(TSeBevelKind::kbkSingle);
  EXPECT_FALSE(b.SetBevelKind(TSeBevelKind::kbkSingle));
  EXPECT_FALSE(b.SetBevelOuter(Cut::kbvLowered));  // unchanged: the preset stays
  EXPECT_EQ(b.BevelKind(), TSeBevelKind::kbkSingle);
}

class ControlBorderPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    target.SetSize(10, 10);
    target.Fill(kBackground);
  }
  std::uint32_t At(int x, int y) const { return target.Pixel(x, y); }
  static constexpr std::uint32_t kBackground = 0x00ABCDEF;
  const TColor color = RGBColor(1, 2, 3);
  TSeBitmap target;
  TSeMemoryCanvas canvas{target};
};

TEST_F(ControlBorderPaint, OuterBevelThenInnerThenBorderLines) {
  TSeControlBorder b;
  b.SetBevelWidth(1);
  b.SetBorderWidth(1);
  b.PaintBorder(canvas, 10, 10, color);
  // Lowered: outer shadow / highlight at the edge, inner dark shadow / face inside it, then
  // the border outline, and the inner rectangle (3, 3, 7, 7) untouched.
  EXPECT_EQ(At(0, 5), ColorToPixel(clBtnShadow));
  EXPECT_EQ(At(5, 0), ColorToPixel(clBtnShadow));
  EXPECT_EQ(At(9, 5), ColorToPixel(clBtnHighlight));
  EXPECT_EQ(At(5, 9), ColorToPixel(clBtnHighlight));
  EXPECT_EQ(At(1, 5), ColorToPixel(cl3DDkShadow));
  EXPECT_EQ(At(8, 5), ColorToPixel(clBtnFace));
  EXPECT_EQ(At(2, 5), ColorToPixel(color));
  EXPECT_EQ(At(7, 5), ColorToPixel(color));
  EXPECT_EQ(At(5, 7), ColorToPixel(color));
  EXPECT_EQ(At(3, 3), kBackground);
}

TEST_F(ControlBorderPaint, BevelsOnlyOnChosenSides) {
  TSeControlBorder b;
  b.SetBevelWidth(1);
  b.SetBorderWidth(1);
  b.SetBevelSides(kbsLeft | kbsTop);
  b.PaintBorder(canvas, 10, 10, color);
  EXPECT_EQ(At(0, 5), ColorToPixel(clBtnShadow));
  EXPECT_EQ(At(1, 5), ColorToPixel(cl3DDkShadow));
  // Right and bottom: the border outline of (2, 2, 10, 10) at the very edge.
  EXPECT_EQ(At(9, 5), ColorToPixel(color));
  EXPECT_EQ(At(5, 9), ColorToPixel(color));
  EXPECT_EQ(At(8, 5), kBackground);
}

TEST_F(ControlBorderPaint, NothingWithoutBevelOrBorderAndNoBevelWithoutWidth) {
  TSeControlBorder b;
  b.PaintBorder(canvas, 10, 10, color);
  EXPECT_EQ(At(0, 0), kBackground);
  b.SetBorderWidth(2);  // bevels lowered but 0 wide: two outlines only
  b.PaintBorder(canvas, 10, 10, color);
  EXPECT_EQ(At(0, 5), ColorToPixel(color));
  EXPECT_EQ(At(1, 5), ColorToPixel(color));
  EXPECT_EQ(At(2, 5), kBackground);
  b.SetBorderWidth(INT_MAX);  // ends, filling the control
  b.PaintBorder(canvas, 10, 10, color);
  EXPECT_EQ(At(4, 4), ColorToPixel(color));
}

}  // namespace
