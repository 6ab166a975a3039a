#include <gtest/gtest.h>

#include "tools/skinart/TArtCanvas.h"

namespace skinart {
namespace {

constexpr TRgb kBlue{0, 0, 255};

TEST(ArtCanvasTest, EdgesOnMagentaAreNeverBlendedIntoPink) {
  TArtCanvas c(4, 1);
  c.Blend(0, 0, kBlue, 0.49);
  c.Blend(1, 0, kBlue, 0.5);
  EXPECT_EQ(c.At(0, 0), kMagenta);
  EXPECT_EQ(c.At(1, 0), kBlue);
  // On a real colour the edge is blended.
  TArtCanvas w(1, 1, TRgb{255, 255, 255});
  w.Blend(0, 0, TRgb{0, 0, 0}, 0.5);
  EXPECT_EQ(w.At(0, 0), (TRgb{128, 128, 128}));
}

TEST(ArtCanvasTest, RoundRectLeavesCornersAndCoversTheInside) {
  TArtCanvas c(10, 10);
  c.FillRoundRect(0, 0, 10, 10, 4, kBlue);
  for (auto [x, y] : {std::pair{0, 0}, {9, 0}, {0, 9}, {9, 9}}) EXPECT_EQ(c.At(x, y), kMagenta);
  for (auto [x, y] : {std::pair{5, 0}, {0, 5}, {9, 5}, {5, 9}, {5, 5}})
    EXPECT_EQ(c.At(x, y), kBlue);
  // A radius beyond half the size is clamped, so a small shape is still filled in the middle.
  TArtCanvas small(3, 3);
  small.FillRoundRect(0, 0, 3, 3, 20, kBlue);
  EXPECT_EQ(small.At(1, 1), kBlue);
}

TEST(ArtCanvasTest, StrokeLeavesTheInsideAndShapesOutsideTheCanvasAreClipped) {
  TArtCanvas c(8, 8, TRgb{255, 255, 255});
  c.StrokeRoundRect(0, 0, 8, 8, 0, 1, kBlue);
  EXPECT_EQ(c.At(0, 3), kBlue);
  EXPECT_EQ(c.At(7, 7), kBlue);
  EXPECT_EQ(c.At(3, 3), (TRgb{255, 255, 255}));
  c.FillRoundRect(-20, -20, 100, 100, 3, kBlue);  // must not write outside
  EXPECT_EQ(c.At(3, 3), kBlue);
  EXPECT_EQ(c.At(-1, 0), kMagenta);  // outside reads as transparent
}

TEST(ArtCanvasTest, GradientsRunFromEndToEnd) {
  TArtCanvas c(1, 11);
  c.FillRect(0, 0, 1, 11, TArtCanvas::VGradient(0.5, 10.5, TRgb{0, 0, 0}, TRgb{200, 100, 0}));
  EXPECT_EQ(c.At(0, 0), (TRgb{0, 0, 0}));
  EXPECT_EQ(c.At(0, 10), (TRgb{200, 100, 0}));
  EXPECT_EQ(c.At(0, 5), (TRgb{100, 50, 0}));
  const auto flat = TArtCanvas::HGradient(3, 3, kBlue, TRgb{});  // empty span: start colour
  EXPECT_EQ(flat(10, 0), kBlue);
}

TEST(ArtCanvasTest, PolylineAndPolygonCoverTheirPixels) {
  TArtCanvas c(9, 9);
  c.Polyline({{1, 4}, {7, 4}}, 1.0, kBlue);
  EXPECT_EQ(c.At(1, 4), kBlue);
  EXPECT_EQ(c.At(7, 4), kBlue);
  EXPECT_EQ(c.At(4, 2), kMagenta);
  c.FillPolygon({{0, 9}, {9, 9}, {4.5, 5}}, kBlue);
  EXPECT_EQ(c.At(4, 8), kBlue);
  EXPECT_EQ(c.At(0, 5), kMagenta);
}

TEST(ArtCanvasTest, RefusesUnreasonableSizes) {
  EXPECT_THROW(TArtCanvas(0, 5), std::invalid_argument);
  EXPECT_THROW(TArtCanvas(5, -1), std::invalid_argument);
  EXPECT_THROW(TArtCanvas(100000, 1), std::invalid_argument);
}

}  // namespace
}  // namespace skinart
