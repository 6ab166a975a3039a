#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/TSeScrollBarModel.h"

namespace {

using K = TScrollBarKind;
using P = TScrollBarPart;
using C = TScrollCode;

TEST(ScrollBarModel, RangeSettersClamp) {
  TSeScrollBarModel m;  // 0..100, position 0, page 0
  EXPECT_TRUE(m.SetPosition(150));
  EXPECT_EQ(m.Position(), 100);
  EXPECT_FALSE(m.SetPosition(100));  // same value: no OnChange
  EXPECT_FALSE(m.SetPosition(300));  // clamps to the same value
  m.SetPageSize(500);
  EXPECT_EQ(m.PageSize(), 101);
  m.SetPageSize(-3);
  EXPECT_EQ(m.PageSize(), 101);
  EXPECT_TRUE(m.SetMax(50));  // position pulled down, page cut to 51
  EXPECT_EQ(m.Position(), 50);
  EXPECT_EQ(m.PageSize(), 51);
  EXPECT_TRUE(m.SetMax(-5));  // not below Min
  EXPECT_EQ(m.Max(), 0);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_EQ(m.PageSize(), 1);
  EXPECT_FALSE(m.SetMin(7));  // not above Max
  EXPECT_EQ(m.Min(), 0);
  m.SetMax(100);
  EXPECT_TRUE(m.SetMin(40));
  EXPECT_EQ(m.Position(), 40);
}

struct GeometryCase {
  const char* name;
  K kind;
  std::int32_t width, height, border, metric;
  bool buttons;
  std::int32_t min, max, page, position;
  std::int32_t buttonSize, thumbSize;
  TRect first, second, track, thumb;
};

// Worked by hand from the geometry rules; halves of a rounding go to the even neighbour.
// clang-format off
const GeometryCase kGeometry[] = {
    // Inset (1,1,120,16), length 119: buttons 17, track 18..103 (85), thumb the metric.
    {"default bar at 0", K::sbHorizontal, 121, 17, 1, 17, true, 0, 100, 0, 0, 17, 17,
     {1, 1, 18, 16}, {103, 1, 120, 16}, {18, 1, 103, 16}, {18, 1, 35, 16}},
    // 18 + round(50 x 68 / 100) = 52.
    {"default bar at 50", K::sbHorizontal, 121, 17, 1, 17, true, 0, 100, 0, 50, 17, 17,
     {1, 1, 18, 16}, {103, 1, 120, 16}, {18, 1, 103, 16}, {52, 1, 69, 16}},
    {"vertical at 3", K::sbVertical, 17, 121, 1, 17, true, 0, 100, 0, 3, 17, 17,
     {1, 1, 16, 18}, {1, 103, 16, 120}, {1, 18, 16, 103}, {1, 20, 16, 37}},
    // Inner length 28 < 34: buttons of 14 each and no track left.
    {"short bar half buttons", K::sbHorizontal, 30, 17, 1, 17, true, 0, 100, 0, 0, 14, 0,
     {1, 1, 15, 16}, {15, 1, 29, 16}, {15, 1, 15, 16}, {15, 1, 15, 16}},
    // Odd inner length 31: the halves drop the remainder.
    {"short odd bar", K::sbVertical, 17, 31, 0, 17, true, 0, 100, 0, 0, 15, 0,
     {0, 0, 17, 15}, {0, 16, 17, 31}, {0, 15, 17, 16}, {0, 15, 17, 15}},
    // No buttons, track 0..60, thumb 10, 50 pixels of travel over a range of 4:
    // 1 -> 12.5 -> 12, 3 -> 37.5 -> 38.
    {"tie rounds down to even", K::sbHorizontal, 60, 10, 0, 10, false, 0, 4, 0, 1, 10, 10,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {12, 0, 22, 10}},
    {"tie rounds up to even", K::sbHorizontal, 60, 10, 0, 10, false, 0, 4, 0, 3, 10, 10,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {38, 0, 48, 10}},
    // Page 25 of 120 values: 60 x 25 / 120 = 12.5 -> 12; range 95; 50 x 48 / 95 = 25.26.
    {"paged thumb", K::sbHorizontal, 60, 10, 0, 10, false, 0, 119, 25, 50, 10, 12,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {25, 0, 37, 10}},
    {"paged thumb odd half", K::sbHorizontal, 60, 10, 0, 10, false, 0, 119, 27, 0, 10, 14,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {0, 0, 14, 10}},
    // Beyond Max - PageSize + 1 = 95 the thumb sits at the track end.
    {"paged thumb at end", K::sbHorizontal, 60, 10, 0, 10, false, 0, 119, 25, 100, 10, 12,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {48, 0, 60, 10}},
    // 60 x 5 / 120 = 2.5 -> 2, raised to two thirds of the metric (10 / 3 x 2 = 6).
    {"small page thumb raised", K::sbHorizontal, 60, 10, 0, 10, false, 0, 119, 5, 0, 10, 6,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {0, 0, 6, 10}},
    {"page covers all", K::sbHorizontal, 60, 10, 0, 10, false, 0, 119, 120, 0, 10, 0,
     {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {0, 0, 0, 10}},
    // The full 32-bit range must not overflow (the sanitizer build checks).
    {"full range", K::sbHorizontal, 60, 10, 0, 10, false, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 10,
     30, {0, 0, 10, 10}, {50, 0, 60, 10}, {0, 0, 60, 10}, {30, 0, 60, 10}},
};
// clang-format on

TEST(ScrollBarModel, GeometryFollowsTheRules) {
  for (const GeometryCase& c : kGeometry) {
    SCOPED_TRACE(c.name);
    TSeScrollBarModel m(c.metric);
    m.SetKind(c.kind);
    m.SetBounds(c.width, c.height);
    m.SetBorderWidth(c.border);
    m.SetShowButtons(c.buttons);
    m.SetMin(c.min);
    m.SetMax(c.max);
    m.SetMin(c.min);
    m.SetPageSize(c.page);
    m.SetPosition(c.position);
    EXPECT_EQ(m.ButtonSize(), c.buttonSize);
    EXPECT_EQ(m.ThumbSize(), c.thumbSize);
    EXPECT_EQ(m.FirstButtonRect(), c.first);
    EXPECT_EQ(m.SecondButtonRect(), c.second);
    EXPECT_EQ(m.TrackRect(), c.track);
    EXPECT_EQ(m.ThumbRect(), c.thumb);
  }
}

// A skin's button picture sets the buttons apart from the thumb, and short bars still halve.
TEST(ScrollBarModel, ButtonMetricApartFromTheThumb) {
  TSeScrollBarModel m(17);
  m.SetBorderWidth(0);
  m.SetBounds(121, 17);
  m.SetButtonMetric(20);
  EXPECT_EQ(m.ButtonSize(), 20);
  EXPECT_EQ(m.TrackRect(), Rect(20, 0, 101, 17));
  EXPECT_EQ(m.ThumbSize(), 17);
  m.SetBounds(30, 17);
  EXPECT_EQ(m.ButtonSize(), 15);
}

TEST(ScrollBarModel, HitTestAndDragFromTheThumbsFirstPixel) {
  TSeScrollBarModel m;  // default bar, thumb at 52..69 for position 50
  m.SetPosition(50);
  const std::pair<TPoint, P> hits[] = {
      {{0, 8}, P::None},        {{1, 8}, P::FirstButton}, {{17, 8}, P::FirstButton},
      {{18, 8}, P::PageBefore}, {{51, 8}, P::PageBefore}, {{52, 8}, P::Thumb},
      {{68, 8}, P::Thumb},      {{69, 8}, P::PageAfter},  {{103, 8}, P::SecondButton},
      {{52, 0}, P::None},
  };
  for (const auto& [pt, part] : hits) EXPECT_EQ(m.HitTest(pt), part) << pt.X << "," << pt.Y;

  ASSERT_TRUE(m.BeginDrag({52, 8}));
  EXPECT_EQ(m.DragOffset(), 0);
  // Thumb start 60: round(100 x 42 / 68) = 62; ends of the track give the ends of the range.
  const std::pair<std::int32_t, std::int32_t> drags[] = {{60, 62}, {86, 100}, {500, 100},
                                                         {18, 0},  {-40, 0},  {19, 1}};
  for (const auto& [x, pos] : drags) EXPECT_EQ(m.DragTarget({x, 8}), pos) << x;
  m.EndDrag();
  EXPECT_FALSE(m.BeginDrag({51, 8}));
  ASSERT_TRUE(m.BeginDrag({60, 8}));
  EXPECT_EQ(m.DragTarget({68, 8}), 62);

  // Without buttons the track starts at the border and the ends are page areas.
  m.SetShowButtons(false);
  EXPECT_EQ(m.HitTest({10, 8}), P::PageBefore);
  EXPECT_EQ(m.HitTest({110, 8}), P::PageAfter);
}

TEST(ScrollBarModel, DragNeverPassesTheLastPosition) {
  TSeScrollBarModel m(10);  // track 0..60 without buttons, no border
  m.SetShowButtons(false);
  m.SetBorderWidth(0);
  m.SetBounds(60, 10);
  m.SetMax(119);
  m.SetPageSize(25);  // last position 95, thumb 12
  ASSERT_TRUE(m.BeginDrag({0, 5}));
  EXPECT_EQ(m.DragTarget({48, 5}), 95);
  EXPECT_EQ(m.DragTarget({24, 5}), 48);  // 95 x 24 / 48 = 47.5 -> 48
  m.SetPageSize(0);                      // thumb 10, travel 50, last position Max
  EXPECT_EQ(m.DragTarget({55, 5}), 119);
  EXPECT_EQ(m.PositionAt(1000), 119);
}

TEST(ScrollBarModel, Steps) {
  struct Row {
    std::int32_t page, large, small, position;
    C code;
    std::int32_t target;
  };
  const Row rows[] = {
      {0, 10, 1, 50, C::scPageDown, 60},  {0, 10, 1, 50, C::scPageUp, 40},
      {20, 10, 1, 50, C::scPageDown, 70}, {20, 10, 1, 95, C::scPageDown, 100},
      {20, 10, 1, 5, C::scPageUp, 0},     {0, 1, 3, 50, C::scLineDown, 53},
      {0, 1, 3, 99, C::scLineDown, 100},  {0, 1, 3, 1, C::scLineUp, 0},
      {0, 1, 3, 50, C::scTop, 0},         {0, 1, 3, 50, C::scBottom, 100},
  };
  for (const Row& r : rows) {
    TSeScrollBarModel m;
    m.SetPageSize(r.page);
    m.SetLargeChange(r.large);
    m.SetSmallChange(r.small);
    m.SetPosition(r.position);
    EXPECT_EQ(m.StepTarget(r.code), r.target) << r.position << " code " << int(r.code);
  }
  TSeScrollBarModel full;
  full.SetMin(INT_MIN);
  full.SetMax(INT_MAX);
  full.SetPosition(INT_MAX - 1);
  full.SetLargeChange(INT_MAX);
  EXPECT_EQ(full.StepTarget(C::scPageDown), INT_MAX);
}

TEST(ScrollBarModel, LineStepsEndContinuousModesAtTheEnds) {
  TSeScrollBarModel m;
  m.ContinuousDown = m.ContinuousUp = true;
  m.SetPosition(98);
  m.StepTarget(C::scLineDown);
  EXPECT_TRUE(m.ContinuousDown);
  m.SetPosition(99);
  m.StepTarget(C::scLineDown);
  EXPECT_FALSE(m.ContinuousDown);
  m.SetPosition(1);
  m.StepTarget(C::scLineUp);
  EXPECT_FALSE(m.ContinuousUp);
}

}  // namespace
