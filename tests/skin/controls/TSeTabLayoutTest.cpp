#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/TSeTabLayout.h"

namespace {

using Row = TSeTabLayout::TTabRow;
using TP = TTabPosition;

// A strip 300 long between margins of 2, rows 20 high.
TSeTabLayout Layout(std::vector<std::int32_t> widths, bool multiLine = true) {
  TSeTabLayout t;
  t.Width = 304;
  t.Height = 200;
  t.RowHeight = 20;
  t.MultiLine = multiLine;
  t.NaturalWidths = std::move(widths);
  t.TabIndex = 0;
  t.ScrollButtonSize = {20, 20};
  return t;
}

TEST(TabLayout, RowsAreFilledAndJustified) {
  struct Case {
    const char* name;
    std::vector<std::int32_t> widths;
    std::vector<Row> rows;
    std::vector<std::int32_t> justified;
  };
  const Case cases[] = {
      {"two rows", {150, 120, 130, 110}, {{1, 15, 0}, {3, 30, 0}}, {165, 135, 160, 140}},
      // 100 + 200 = 300 is not below 300: the second tab starts a row.
      {"exact fill starts a row", {100, 200}, {{0, 200, 0}, {1, 100, 0}}, {300, 300}},
      {"just below fits", {100, 199}, {{1, 0, 1}}, {100, 200}},
      // 5 left over among 3 tabs: 1 each, 2 more for the last.
      {"remainder to the last", {100, 100, 95}, {{2, 1, 2}}, {101, 101, 98}},
      // A tab wider than the strip fills its own row exactly.
      {"wide tab", {500, 100}, {{0, -200, 0}, {1, 200, 0}}, {300, 300}},
      // Raised to twice (row height + top margin) = 44.
      {"narrow tabs raised", {10, 10}, {{1, 106, 0}}, {150, 150}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSeTabLayout t = Layout(c.widths);
    t.ComputeRows();
    EXPECT_EQ(t.Rows(), c.rows);
    for (std::size_t i = 0; i < c.justified.size(); ++i)
      EXPECT_EQ(t.JustifiedTabWidth(static_cast<std::int32_t>(i)), c.justified[i]) << i;
  }
}

TEST(TabLayout, FixedWidthRaggedRightAndSingleLineStayUnjustified) {
  TSeTabLayout t = Layout({150, 120, 130, 110});
  t.RaggedRight = true;
  t.ComputeRows();
  EXPECT_EQ(t.JustifiedTabWidth(0), 150);
  t.RaggedRight = false;
  t.TabWidth = 90;
  t.ComputeRows();  // 90 + 90 + 90 = 270, the fourth makes 360: rows of 3 and 1
  EXPECT_EQ(t.Rows(), (std::vector<Row>{{2, 10, 0}, {3, 210, 0}}));
  EXPECT_EQ(t.JustifiedTabWidth(2), 90);
  t.TabWidth = 0;
  t.MultiLine = false;
  t.ComputeRows();
  EXPECT_EQ(t.RowCount(), 1);
  EXPECT_EQ(t.JustifiedTabWidth(1), 120);
}

TEST(TabLayout, MinimumWidthUsesTheStripSidesMargin) {
  const std::pair<TP, std::int32_t> sides[] = {
      {TP::tpTop, 24}, {TP::tpBottom, 28}, {TP::tpLeft, 22}, {TP::tpRight, 26}};
  for (const auto& [side, width] : sides) {
    TSeTabLayout t = Layout({0});
    t.RowHeight = 10;
    t.MarginLeft = 1;
    t.MarginTop = 2;
    t.MarginRight = 3;
    t.MarginBottom = 4;
    t.TabPosition = side;
    EXPECT_EQ(t.MeasureTab(0), width);
  }
}

TEST(TabLayout, SelectedRowLiesNextToThePage) {
  // Rows [0, 1] and [2, 3]; strip 2 x 20 + 2 = 42; the row next to the page starts at 22,
  // the outer row at 2.
  struct Case {
    std::int32_t selected;
    std::vector<TRect> rects;
  };
  const Case cases[] = {
      {0, {{2, 22, 167, 44}, {167, 22, 302, 44}, {2, 2, 162, 44}, {162, 2, 302, 44}}},
      {3, {{2, 2, 167, 44}, {167, 2, 302, 44}, {2, 22, 162, 44}, {162, 22, 302, 44}}},
  };
  for (const Case& c : cases) {
    TSeTabLayout t = Layout({150, 120, 130, 110});
    t.TabIndex = c.selected;
    t.ComputeRows();
    EXPECT_EQ(t.GetStripSize(), 42);
    EXPECT_EQ(t.GetDisplayRect(), Rect(0, 42, 304, 200));
    for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(t.GetTabRect(i), c.rects[i]) << c.selected;
  }
}

TEST(TabLayout, RowsWrapAroundKeepingTheirOrder) {
  // Four rows of one tab; selecting row 2 puts it next to the page, row 3 beyond it, then
  // rows 0 and 1 at the outer edge.
  TSeTabLayout t = Layout({200, 200, 200, 200});
  t.TabIndex = 2;
  t.ComputeRows();
  const std::int32_t offsets[] = {60, 80, 20, 40};
  for (std::int32_t r = 0; r < 4; ++r) EXPECT_EQ(t.RowOffset(r), offsets[r]) << r;
}

TEST(TabLayout, ScrollOppositeMovesEarlierRowsAcross) {
  // Three rows of one tab each; tab 2 selected: one row (22) on top, two (40) below.
  TSeTabLayout t = Layout({200, 200, 200});
  t.ScrollOpposite = true;
  t.TabIndex = 2;
  t.ComputeRows();
  EXPECT_EQ(t.GetStripSize(), 22);
  EXPECT_EQ(t.GetOppositeStripSize(), 40);
  EXPECT_EQ(t.GetDisplayRect(), Rect(0, 22, 304, 160));
  EXPECT_FALSE(t.IsOppositeRow(2));
  EXPECT_TRUE(t.IsOppositeRow(0));
  EXPECT_EQ(t.TabSide(1), TP::tpBottom);
  EXPECT_EQ(t.GetTabRect(2), Rect(2, 2, 302, 24));
  EXPECT_EQ(t.GetTabRect(1), Rect(2, 158, 302, 180));  // next to the page below
  EXPECT_EQ(t.GetTabRect(0), Rect(2, 158, 302, 200));  // outermost
  // The nearer row wins where they overlap.
  EXPECT_EQ(t.TabAtPoint({50, 170}), 1);
  EXPECT_EQ(t.TabAtPoint({50, 190}), 0);
}

TEST(TabLayout, SidesPlaceTheStrip) {
  struct Case {
    TP side;
    std::int32_t width, height;
    TRect tab0, tab1, display;
  };
  // One row of two tabs justified to 150 each; strip 20 + 2.
  const Case cases[] = {
      {TP::tpTop, 304, 200, {2, 2, 152, 24}, {152, 2, 302, 24}, {0, 22, 304, 200}},
      {TP::tpBottom, 304, 200, {2, 176, 152, 198}, {152, 176, 302, 198}, {0, 0, 304, 178}},
      {TP::tpLeft, 200, 304, {2, 2, 24, 152}, {2, 152, 24, 302}, {22, 0, 200, 304}},
      {TP::tpRight, 200, 304, {176, 2, 198, 152}, {176, 152, 198, 302}, {0, 0, 178, 304}},
  };
  for (const Case& c : cases) {
    TSeTabLayout t = Layout({100, 100});
    t.TabPosition = c.side;
    t.Width = c.width;
    t.Height = c.height;
    t.ComputeRows();
    EXPECT_EQ(t.GetTabRect(0), c.tab0) << int(c.side);
    EXPECT_EQ(t.GetTabRect(1), c.tab1) << int(c.side);
    EXPECT_EQ(t.GetDisplayRect(), c.display) << int(c.side);
  }
}

TEST(TabLayout, RowTableHoldsAtMostAHundredRows) {
  // Two tabs of 100 per row would make 125 rows; the last row takes the rest unjustified.
  TSeTabLayout t = Layout(std::vector<std::int32_t>(250, 100));
  t.TabIndex = 249;
  t.ComputeRows();
  ASSERT_EQ(t.RowCount(), TSeTabLayout::kMaxRows);
  EXPECT_EQ(t.Rows()[98], (Row{197, 50, 0}));
  EXPECT_EQ(t.Rows()[99].LastTab, 249);
  EXPECT_EQ(t.RowOf(198), 99);
  EXPECT_EQ(t.RowOf(249), 99);
  EXPECT_EQ(t.JustifiedTabWidth(249), 100);
  EXPECT_EQ(t.GetStripSize(), 100 * 20 + 2);
}

TEST(TabLayout, MultiLineHitTestingPrefersNearerRows) {
  TSeTabLayout t = Layout({150, 120, 130, 110});
  t.ComputeRows();
  const std::pair<TPoint, std::int32_t> hits[] = {
      {{10, 30}, 0}, {{10, 10}, 2}, {{200, 30}, 1}, {{200, 10}, 3}, {{303, 10}, -1}};
  for (const auto& [pt, tab] : hits) EXPECT_EQ(t.TabAtPoint(pt), tab) << pt.X << "," << pt.Y;
  // Row 1 selected: it lies next to the page and is tried before the wrapped row 0.
  t.TabIndex = 2;
  EXPECT_EQ(t.TabAtPoint({200, 30}), 3);
  EXPECT_EQ(t.TabAtPoint({200, 10}), 1);
}

TEST(TabLayout, FartherRowsPaintFirst) {
  using V = std::vector<std::int32_t>;
  struct Case {
    std::vector<std::int32_t> widths;
    bool opposite;
    std::int32_t selected;
    V order;
  };
  const Case cases[] = {
      {{150, 120, 130, 110}, false, 0, {2, 3, 0, 1}},
      {{150, 120, 130, 110}, false, 3, {0, 1, 2, 3}},
      // Rows 0 | 1 | 2, row 1 selected: wrapped row 0 is outermost; with ScrollOpposite row 2
      // is, and row 0 sits alone across the page.
      {{200, 200, 200}, false, 1, {0, 2, 1}},
      {{200, 200, 200}, true, 1, {2, 1, 0}},
      {{200, 200, 200}, true, 2, {2, 0, 1}},
  };
  for (const Case& c : cases) {
    TSeTabLayout t = Layout(c.widths);
    t.ScrollOpposite = c.opposite;
    t.TabIndex = c.selected;
    t.ComputeRows();
    EXPECT_EQ(t.TabPaintOrder(), c.order) << c.selected << c.opposite;
  }
  TSeTabLayout single = Layout({100, 100, 100, 100, 100}, false);
  single.TabIndex = 1;
  single.ComputeRows();
  EXPECT_EQ(single.TabPaintOrder(), (V{0, 2, 3}));
}

TEST(TabLayout, SingleRowScrolling) {
  // Five tabs of 100 in 300: buttons at 264..284 and 284..304, rows from 2 to 24.
  TSeTabLayout t = Layout({100, 100, 100, 100, 100}, false);
  t.ComputeRows();
  EXPECT_TRUE(t.NeedsScrollButtons());
  EXPECT_EQ(t.GetLeftButtonRect(), Rect(264, 0, 284, 20));
  EXPECT_EQ(t.GetRightButtonRect(), Rect(284, 0, 304, 20));
  EXPECT_EQ(t.LastVisibleTab(false), 3);
  EXPECT_EQ(t.LastVisibleTab(true), 1);  // tab 2 runs under the left button
  EXPECT_EQ(t.TabAtPoint({270, 10}), -1);
  EXPECT_EQ(t.TabAtPoint({50, 23}), 0);    // the selected tab reaches the page
  EXPECT_EQ(t.TabAtPoint({150, 22}), -1);  // others stop at the margin
  EXPECT_EQ(t.TabAtPoint({150, 21}), 1);

  t.TabIndex = 4;
  t.ShowSelectedTab();
  EXPECT_EQ(t.FirstVisibleTab, 3);
  EXPECT_EQ(t.GetTabRect(4), Rect(102, 2, 202, 24));
  t.ScrollTabs(1);  // the last tab already shows: the strip stays filled
  EXPECT_EQ(t.FirstVisibleTab, 3);
  t.ScrollTabs(-5);
  EXPECT_EQ(t.FirstVisibleTab, 0);
  t.ScrollTabs(1);
  EXPECT_EQ(t.FirstVisibleTab, 1);
  t.TabIndex = 0;
  t.ShowSelectedTab();
  EXPECT_EQ(t.FirstVisibleTab, 0);

  TSeTabLayout one = Layout({100, 100}, false);
  one.ComputeRows();
  EXPECT_FALSE(one.NeedsScrollButtons());
  one.NaturalWidths.clear();
  one.ScrollTabs(1);
  EXPECT_EQ(one.FirstVisibleTab, -1);
}

TEST(TabLayout, TabWiderThanTheStripEndsTheLoops) {
  TSeTabLayout t = Layout({100, 1000, 100}, false);
  t.ComputeRows();
  t.TabIndex = 1;
  t.ShowSelectedTab();
  EXPECT_EQ(t.FirstVisibleTab, 1);
  t.ScrollTabs(10);
  EXPECT_EQ(t.FirstVisibleTab, 2);
  // Nothing but wide tabs, and tabs of no width at all.
  TSeTabLayout w = Layout({1000, 1000, 1000}, false);
  w.ComputeRows();
  w.TabIndex = 2;
  w.ShowSelectedTab();
  EXPECT_LE(w.FirstVisibleTab, 2);
  // Both scroll buttons cover the whole strip: the selected tab overlaps them wherever it
  // is scrolled to.
  TSeTabLayout b = Layout({24, 24}, false);
  b.Width = 40;
  b.RowHeight = 10;  // tabs of 24
  b.ComputeRows();
  b.TabIndex = 1;
  b.ShowSelectedTab();
  EXPECT_EQ(b.FirstVisibleTab, 1);
  TSeTabLayout z = Layout({0, 0, 0}, false);
  z.RowHeight = 0;
  z.MarginTop = 0;
  z.ComputeRows();
  z.TabIndex = 2;
  z.ShowSelectedTab();
  z.ScrollTabs(2);
  EXPECT_LE(z.FirstVisibleTab, 2);
}

}  // namespace
