#include <gtest/gtest.h>

#include "FormTestSkin.h"
#include "skin/forms/TSeFrameGeometry.h"
#include "skin/forms/TSeSkinFrame.h"

namespace {

TEST(FrameGeometry, TheProgramSkinLeavesFiveAndTwentyNinePixelBands) {
  auto form = LoadProgramForm();
  TSeSkinFrame frame(*form);
  struct Case {
    TSize size;
    TRect client;
  };
  const Case cases[] = {{{375, 247}, {5, 29, 370, 242}},
                        {{475, 300}, {5, 29, 470, 295}},
                        {{150, 40}, {5, 29, 145, 35}},
                        {{375, 247}, {5, 29, 370, 242}}};
  for (const Case& c : cases) {
    const auto client = frame.ClientRect(c.size);
    ASSERT_TRUE(client.has_value());
    EXPECT_EQ(*client, c.client) << c.size.cx << "x" << c.size.cy;
    EXPECT_EQ(TSeFrameGeometry::Insets(*client, c.size), (TSeFrameInsets{5, 29, 5, 5}));
  }
  // WM_NCCALCSIZE on a window at (100, 50), 475 x 300.
  EXPECT_EQ(TSeFrameGeometry::CalcClientRect({100, 50, 575, 350}, {5, 29, 5, 5}),
            (TRect{105, 79, 570, 345}));
}

TEST(FrameGeometry, TheShadowStripIsFrameOnlyWhileNotMaximized) {
  struct Case {
    bool enabled;
    int size;
    bool maximized;
    TSize frame;
  };
  const Case cases[] = {{true, 4, false, {396, 296}},
                        {true, 4, true, {400, 300}},
                        {false, 4, false, {400, 300}},
                        {true, 0, false, {400, 300}},
                        {true, 20, false, {380, 280}}};
  for (const Case& c : cases) {
    TSeFrameGeometry g;
    g.SetFullSize({400, 300});
    g.SetShadow(c.enabled, c.size);
    g.SetMaximized(c.maximized);
    EXPECT_EQ(g.FrameSize(), c.frame) << c.enabled << " " << c.size << " " << c.maximized;
  }
  // The client comes from the frame size, the insets from the full size: the shadow strip
  // is non-client area on the right and at the bottom.
  auto form = LoadProgramForm();
  TSeSkinFrame frame(*form);
  const auto client = frame.ClientRect({396, 296});
  ASSERT_TRUE(client.has_value());
  EXPECT_EQ(*client, (TRect{5, 29, 391, 291}));
  EXPECT_EQ(TSeFrameGeometry::Insets(*client, {400, 300}), (TSeFrameInsets{5, 29, 9, 9}));
}

TEST(FrameGeometry, APositionChangeHoldsTheSizeAndTakesRealResizes) {
  struct Case {
    TSize proposed;
    TSeWindowPosFlags flags;
    bool applyMinimum;
    TSize held;
    bool changed;
  };
  const Case cases[] = {
      {{500, 300}, {}, true, {500, 300}, true},
      {{400, 300}, {}, true, {400, 300}, false},
      {{396, 296}, {}, true, {396, 296}, true},  // by exactly the shadow
      {{100, 30}, {}, true, {150, 40}, true},
      {{400, 34}, {}, false, {400, 34}, true},
      {{2000, 300}, {}, true, {1024, 300}, true},
      {{500, 300}, {true, false, false}, true, {500, 300}, false},
      {{100, 30}, {true, true, false}, true, {100, 30}, false},
      {{100, 30}, {false, true, false}, true, {150, 40}, true},
      {{500, 300}, {false, false, true}, true, {500, 300}, false},
  };
  for (const Case& c : cases) {
    TSeFrameGeometry g;
    g.SetFullSize({400, 300});
    g.SetShadow(true, 4);
    TSize size = c.proposed;
    EXPECT_EQ(g.PositionChanging(size, c.flags, {150, 40}, {1024, 738}, c.applyMinimum), c.changed)
        << c.proposed.cx << "x" << c.proposed.cy;
    EXPECT_EQ(size, c.held) << c.proposed.cx << "x" << c.proposed.cy;
    EXPECT_EQ(g.FullSize(), c.changed ? c.held : (TSize{400, 300}));
  }
}

TEST(FrameGeometry, BandsSurroundTheClientWithoutOverlap) {
  const TSeFrameBands b = TSeFrameGeometry::Bands({5, 29, 395, 295}, {400, 300});
  EXPECT_EQ(b.Top, (TRect{0, 0, 400, 29}));
  EXPECT_EQ(b.Bottom, (TRect{5, 295, 395, 300}));
  EXPECT_EQ(b.Left, (TRect{0, 29, 5, 300}));
  EXPECT_EQ(b.Right, (TRect{395, 29, 400, 300}));
}

TEST(FrameGeometry, PlainFrameByBorderStyle) {
  const TSeFrameMetrics m{4, 18, 14};
  struct Case {
    TSeBorderStyle style;
    bool maximizedMdiChild;
    TRect client;
  };
  const Case cases[] = {{TSeBorderStyle::kbsStandard, false, {4, 22, 296, 196}},
                        {TSeBorderStyle::kbsToolWindow, false, {4, 18, 296, 196}},
                        {TSeBorderStyle::kbsNone, false, {0, 0, 300, 200}},
                        {TSeBorderStyle::kbsStandard, true, {0, 0, 300, 200}}};
  for (const Case& c : cases) {
    EXPECT_EQ(TSeFrameGeometry::PlainClientRect({300, 200}, c.style, m, c.maximizedMdiChild),
              c.client)
        << static_cast<int>(c.style) << " " << c.maximizedMdiChild;
  }
}

TEST(FrameGeometry, ASkinClientOnTheFrameEdgeOrNoneAtAll) {
  TSeSkinObject form(nullptr);
  form.SetBounds({0, 0, 200, 100});
  // Without a client object the whole frame is client area and the tree is not laid out.
  EXPECT_EQ(TSeSkinFrame(form).ClientRect({300, 150}), (TRect{0, 0, 300, 150}));
  EXPECT_EQ(form.BoundsRect(), (TRect{0, 0, 200, 100}));

  auto* client = new TSeSkinObject(&form);
  client->SetKind(TSeKind::skClient);
  struct Case {
    TRect stored;
    bool skinned;
  };
  const Case cases[] = {
      {{3, 7, 190, 95}, true}, {{0, 7, 190, 95}, false}, {{3, 0, 190, 95}, false}};
  for (const Case& c : cases) {
    client->SetBounds(c.stored);
    const auto rect = TSeSkinFrame(form).ClientRect({300, 150});
    EXPECT_EQ(rect.has_value(), c.skinned) << c.stored.Left << "," << c.stored.Top;
    if (rect) {
      EXPECT_EQ(*rect, c.stored);
    }
  }
}

TEST(FrameGeometry, AThickerFrameGrowsTheWindowByTheDifference) {
  // The plain frame (4-pixel border, 18-pixel caption) replaced by the program's skin and back.
  const TSeFrameInsets plain{4, 22, 4, 4};
  const TSeFrameInsets skin{5, 29, 5, 5};
  EXPECT_EQ(TSeFrameGeometry::SizeKeepingClient({300, 200}, plain, skin), (TSize{302, 208}));
  EXPECT_EQ(TSeFrameGeometry::SizeKeepingClient({302, 208}, skin, plain), (TSize{300, 200}));
  EXPECT_EQ(TSeFrameGeometry::SizeKeepingClient({302, 208}, skin, skin), (TSize{302, 208}));
}

}  // namespace
