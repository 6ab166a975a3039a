#include <gtest/gtest.h>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeActiveObject.h"
#include "skin/objects/TSeBitmapObject.h"
#include "skin/objects/TSeBitmapSkinObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeTextObject.h"
#include "tests/skin/objects/SkinObjectTestSupport.h"

namespace {

constexpr std::uint32_t kCorner = 0xFF0000;
constexpr std::uint32_t kEdgeTop = 0x00FF00;
constexpr std::uint32_t kEdgeLeft = 0x0000FF;
constexpr std::uint32_t kCentre = 0xFFFF00;
constexpr std::uint32_t kEdgeRight = 0x00FFFF;
constexpr std::uint32_t kEdgeBottom = 0xFF00FF;

// A 20 x 23 source with 5-pixel borders, each part in its own colour.
void PaintNineGridSource(TSeBitmap& b) {
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool l = x < 5, r = x >= 15, t = y < 5, btm = y >= 18;
      std::uint32_t c = kCentre;
      if ((l || r) && (t || btm))
        c = kCorner;
      else if (t)
        c = kEdgeTop;
      else if (btm)
        c = kEdgeBottom;
      else if (l)
        c = kEdgeLeft;
      else if (r)
        c = kEdgeRight;
      b.SetPixel(x, y, 0xFF000000 | c);
    }
  }
  b.UpdateDeviceCopy();
}

TEST(BitmapObjectDraw, NineGridOnAButtonFaceKeepsBordersAndFillsTheMiddle) {
  OneBitmapSkin skin("FACE.BMP", 20, 23, 0);
  PaintNineGridSource(*skin.Picture);
  for (bool masked : {true, false}) {
    TSeBitmapObject face(nullptr);
    face.SetMasked(masked);
    SetLink(face.Bitmap(), "face.bmp", {0, 0, 20, 23});
    face.SetMargins(5, 5, 5, 5);
    face.SetTileStyle(TscTileStyle::tsStretch);
    face.SetBitmaps(&skin.List);
    face.ResolveBitmaps();
    face.SetBounds({0, 0, 129, 44});

    TSeBitmap target;
    target.SetSize(129, 44);
    target.Fill(0);
    // The platform's own canvas: unmasked parts come from the device copy, which only the
    // platform's canvas reads on Windows.
    auto canvas = CreateBitmapCanvas(target);
    face.Draw(*canvas);
    canvas.reset();
    SCOPED_TRACE(masked ? "masked" : "unmasked");
    // Corners stay 5 x 5, edges are 119 x 5 and 5 x 34, the centre 119 x 34.
    for (auto [x, y] : {std::pair{0, 0}, {4, 4}, {124, 0}, {128, 4}, {0, 39}, {128, 43}}) {
      EXPECT_EQ(Rgb(target, x, y), kCorner) << x << "," << y;
    }
    EXPECT_EQ(Rgb(target, 5, 0), kEdgeTop);
    EXPECT_EQ(Rgb(target, 123, 4), kEdgeTop);
    EXPECT_EQ(Rgb(target, 5, 43), kEdgeBottom);
    EXPECT_EQ(Rgb(target, 0, 5), kEdgeLeft);
    EXPECT_EQ(Rgb(target, 4, 38), kEdgeLeft);
    EXPECT_EQ(Rgb(target, 128, 38), kEdgeRight);
    EXPECT_EQ(Rgb(target, 5, 5), kCentre);
    EXPECT_EQ(Rgb(target, 123, 38), kCentre);
  }
}

TEST(BitmapObjectDraw, MarginsAsWideAsTheObjectLeaveNoCentreOrHorizontalEdges) {
  OneBitmapSkin skin("FACE.BMP", 20, 23, 0);
  PaintNineGridSource(*skin.Picture);
  TSeBitmapObject face(nullptr);
  SetLink(face.Bitmap(), "FACE.BMP", {0, 0, 20, 23});
  face.SetMargins(5, 5, 5, 5);
  face.SetBitmaps(&skin.List);
  face.ResolveBitmaps();
  face.SetBounds({0, 0, 10, 30});
  TSeBitmap target;
  target.SetSize(10, 30);
  target.Fill(0x00123456);
  TSeMemoryCanvas canvas(target);
  face.Draw(canvas);
  EXPECT_EQ(Rgb(target, 4, 10), kEdgeLeft);
  EXPECT_EQ(Rgb(target, 5, 10), kEdgeRight);
  EXPECT_EQ(Rgb(target, 4, 0), kCorner);
  EXPECT_EQ(Rgb(target, 5, 29), kCorner);
}

TEST(BitmapObjectDraw, NineGridWithFourDifferentMarginsTakesEachPartFromItsOwnSide) {
  // Margins left 3, top 5, right 7, bottom 2; the link's 20 x 16 rectangle at 2, 1; the object
  // 33 x 27 at 4, 3. Unmasked and stretched, each part is one copy from the device copy.
  OneBitmapSkin skin("GRID", 24, 20, 0xFF000000);
  TSeBitmapObject grid(nullptr);
  grid.SetMasked(false);
  SetLink(grid.Bitmap(), "GRID", {2, 1, 22, 17});
  grid.SetMargins(3, 5, 7, 2);
  grid.SetTileStyle(TscTileStyle::tsStretch);
  grid.SetBorderTileStyle(TscTileStyle::tsStretch);
  grid.SetBitmaps(&skin.List);
  grid.ResolveBitmaps();
  grid.SetBounds({4, 3, 37, 30});
  TSeBitmap target;
  target.SetSize(40, 32);
  RecordingCanvas canvas(target);
  grid.Draw(canvas);
  const std::vector<std::pair<TRect, TRect>> parts = {
      {{5, 6, 15, 15}, {7, 8, 30, 28}},      // centre 10 x 9 onto 23 x 20
      {{5, 1, 15, 6}, {7, 3, 30, 8}},        // top 10 x 5 onto 23 x 5
      {{5, 15, 15, 17}, {7, 28, 30, 30}},    // bottom 10 x 2 onto 23 x 2
      {{2, 6, 5, 15}, {4, 8, 7, 28}},        // left 3 x 9 onto 3 x 20
      {{15, 6, 22, 15}, {30, 8, 37, 28}},    // right 7 x 9 onto 7 x 20
      {{2, 1, 5, 6}, {4, 3, 7, 8}},          // corners unscaled: top-left 3 x 5,
      {{15, 1, 22, 6}, {30, 3, 37, 8}},      // top-right 7 x 5,
      {{2, 15, 5, 17}, {4, 28, 7, 30}},      // bottom-left 3 x 2,
      {{15, 15, 22, 17}, {30, 28, 37, 30}},  // bottom-right 7 x 2
  };
  EXPECT_EQ(canvas.Copies, parts);
}

TEST(BitmapObjectDraw, TilingStepsByTheTilesWidthAcrossAndItsHeightDown) {
  // A wide, short 7 x 3 link at 2, 1 over a 25 x 11 object at 3, 2: columns start at 3, 10, 17
  // and 24 (cut to 4), rows at 2, 5, 8 and 11 (cut to 2); each tile shows the link from its
  // top-left corner.
  OneBitmapSkin skin("TILE", 10, 5, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x) skin.Picture->SetPixel(x, y, 0xFF000000u | (x << 8) | y);
  TSeBitmapObject strip(nullptr);
  SetLink(strip.Bitmap(), "TILE", {2, 1, 9, 4});
  strip.SetBitmaps(&skin.List);
  strip.ResolveBitmaps();
  strip.SetBounds({3, 2, 28, 13});
  TSeBitmap target;
  target.SetSize(30, 15);
  target.Fill(0);
  TSeMemoryCanvas canvas(target);
  strip.Draw(canvas);
  const int columns[] = {3, 10, 17, 24, 28}, rows[] = {2, 5, 8, 11, 13};  // and where they end
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 30; ++x) {
      std::uint32_t expected = 0;
      for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
          if (x >= columns[c] && x < columns[c + 1] && y >= rows[r] && y < rows[r + 1])
            expected = ((2 + x - columns[c]) << 8) | (1 + y - rows[r]);
      ASSERT_EQ(Rgb(target, x, y), expected) << x << "," << y;
    }
}

TEST(BitmapObjectDraw, UnresolvedOrEmptyLinksPaintNothingNotEvenChildren) {
  OneBitmapSkin skin("PIC", 4, 4, 0xFF00FF00);
  TSeBitmapObject box(nullptr);
  SetLink(box.Bitmap(), "MISSING", {0, 0, 4, 4});
  auto* child = new TSeSkinObject(&box);
  child->SetAlign(TSeAlign::saClient);
  child->SetColor(0x0000FF);
  box.SetBitmaps(&skin.List);
  box.ResolveBitmaps();
  box.SetBounds({0, 0, 4, 4});
  TSeBitmap target;
  target.SetSize(4, 4);
  target.Fill(0);
  TSeMemoryCanvas canvas(target);
  box.Draw(canvas);
  EXPECT_EQ(Rgb(target, 1, 1), 0u);
  EXPECT_FALSE(box.CreateRegion());

  // Resolved, the picture shows, then the text and the laid-out children on top.
  SetLink(box.Bitmap(), "pic", {0, 0, 4, 4});
  box.ResolveBitmaps();
  child->SetBounds({});
  box.Draw(canvas);
  EXPECT_EQ(child->BoundsRect(), (TRect{0, 0, 4, 4}));
  EXPECT_EQ(Rgb(target, 1, 1), 0xFF0000u);  // the child's fill, 0x0000FF as a pixel
}

TEST(BitmapObjectDraw, SimplerBitmapObjectPaintsNoChildren) {
  OneBitmapSkin skin("PIC", 4, 4, 0xFF00FF00);
  TSeBitmapSkinObject box(nullptr);
  SetLink(box.Bitmap(), "PIC", {0, 0, 4, 4});
  auto* child = new TSeSkinObject(&box);
  child->SetBounds({0, 0, 4, 4});
  child->SetColor(0x0000FF);
  box.SetBitmaps(&skin.List);
  box.ResolveBitmaps();
  box.SetBounds({0, 0, 4, 4});
  TSeBitmap target;
  target.SetSize(4, 4);
  TSeMemoryCanvas canvas(target);
  box.Draw(canvas);
  EXPECT_EQ(Rgb(target, 1, 1), 0x00FF00u);
}

TEST(BitmapObjectRegion, MaskedShapeLeavesKeyColouredCornersOutClientKindIsARectangle) {
  OneBitmapSkin skin("CAPTION", 6, 4, 0xFF404040);
  skin.Picture->SetPixel(0, 0, kSeKeyColor);
  skin.Picture->SetPixel(5, 0, kSeKeyColor);
  TSeActiveBitmap caption(nullptr);
  SetLink(caption.Bitmap(), "CAPTION", {0, 0, 6, 4});
  caption.SetTileStyle(TscTileStyle::tsStretch);
  caption.SetBitmaps(&skin.List);
  caption.ResolveBitmaps();
  caption.SetBounds({10, 20, 16, 24});

  auto region = caption.CreateRegion();
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->Contains({10, 20}));
  EXPECT_TRUE(region->Contains({11, 20}));
  EXPECT_FALSE(region->Contains({15, 20}));
  EXPECT_TRUE(region->Contains({15, 23}));
  EXPECT_EQ(caption.BoundsRect(), (TRect{10, 20, 16, 24}));  // bounds come back

  caption.SetKind(TSeKind::skClient);
  region = caption.CreateRegion();
  ASSERT_EQ(region->Rects.size(), 1u);
  EXPECT_EQ(region->Rects[0], (TRect{10, 20, 16, 24}));
}

TEST(ActiveBitmapDraw, ActiveWindowShowsTheActivePictureWhenItResolves) {
  OneBitmapSkin skin("NORMAL", 2, 2, 0xFF0000AA);
  skin.AddPicture("ACTIVE", 2, 2, 0xFF00AA00);
  TSeActiveBitmap part(nullptr);
  SetLink(part.Bitmap(), "NORMAL", {0, 0, 2, 2});
  SetLink(part.ActiveBitmap(), "ACTIVE", {0, 0, 2, 2});
  part.SetBitmaps(&skin.List);
  part.ResolveBitmaps();
  part.SetBounds({0, 0, 2, 2});
  TSeBitmap target;
  target.SetSize(2, 2);
  TSeMemoryCanvas canvas(target);

  part.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 0xAAu);
  part.SetActive(true);
  part.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 0xAA00u);
  EXPECT_EQ(part.Bitmap().GetName(), "NORMAL");  // the swap is undone

  TSeActiveBitmap missing(nullptr);
  SetLink(missing.Bitmap(), "NORMAL", {0, 0, 2, 2});
  SetLink(missing.ActiveBitmap(), "NOWHERE", {0, 0, 2, 2});
  missing.SetBitmaps(&skin.List);
  missing.ResolveBitmaps();
  missing.SetBounds({0, 0, 2, 2});
  missing.SetActive(true);
  missing.Draw(canvas);
  EXPECT_EQ(Rgb(target, 0, 0), 0xAAu);
}

TEST(ButtonObjectDraw, StatePicturesFallBackToTheNormalOne) {
  OneBitmapSkin skin("BTN", 4, 1, 0);
  skin.Picture->SetPixel(0, 0, 0xFF000001);
  skin.Picture->SetPixel(1, 0, 0xFF000002);
  skin.Picture->SetPixel(2, 0, 0xFF000003);
  skin.Picture->SetPixel(3, 0, 0xFF000004);
  skin.Picture->UpdateDeviceCopy();
  TSeButtonObject glyph(nullptr);
  SetLink(glyph.Bitmap(), "BTN", {0, 0, 1, 1});
  SetLink(glyph.BitmapHot(), "BTN", {1, 0, 2, 1});
  SetLink(glyph.BitmapPressed(), "BTN", {2, 0, 3, 1});
  SetLink(glyph.BitmapDisabled(), "BTN", {3, 0, 4, 1});
  glyph.SetBitmaps(&skin.List);
  glyph.ResolveBitmaps();
  glyph.SetBounds({0, 0, 1, 1});
  TSeBitmap target;
  target.SetSize(1, 1);
  TSeMemoryCanvas canvas(target);
  auto shown = [&](TSeObjectState state) {
    glyph.SetState(state);
    glyph.Draw(canvas);
    return Rgb(target, 0, 0);
  };
  EXPECT_EQ(shown(TSeObjectState::osNormal), 1u);
  EXPECT_EQ(shown(TSeObjectState::osHot), 2u);
  EXPECT_EQ(shown(TSeObjectState::osPressed), 3u);
  EXPECT_EQ(shown(TSeObjectState::osDisabled), 4u);
  EXPECT_EQ(shown(TSeObjectState::osFocused), 1u);  // BitmapFocused is empty
  EXPECT_EQ(glyph.Bitmap().GetRect(), (TRect{0, 0, 1, 1}));
}

TEST(SkinObjectDraw, OwnerPaintsOnlyChildrenUnlessDrawIfOwner) {
  TSeBitmap target;
  target.SetSize(20, 10);
  RecordingCanvas canvas(target);
  TSeSkinObject owner(nullptr);
  owner.SetColor(0x0000FF);
  owner.SetText(u"Owner");
  owner.SetBounds({0, 0, 20, 10});
  auto* child = new TSeSkinObject(&owner);
  child->SetBounds({0, 0, 5, 5});
  child->SetColor(0x00FF00);
  auto* hidden = new TSeSkinObject(&owner);
  hidden->SetBounds({0, 0, 5, 5});
  hidden->SetVisible(false);

  // The memory canvas draws text as boxes through FillRect too; those are in the font's black.
  auto fillColours = [&] {
    std::vector<TColor> colours;
    for (auto& [rect, colour] : canvas.Fills)
      if (colour != owner.Font().Color()) colours.push_back(colour);
    canvas.Fills.clear();
    return colours;
  };
  owner.Draw(canvas);
  EXPECT_EQ(fillColours(), std::vector<TColor>{0x00FF00});
  EXPECT_TRUE(canvas.Texts.empty());

  owner.SetDrawIfOwner(true);
  owner.Draw(canvas);
  EXPECT_EQ(fillColours(), (std::vector<TColor>{0x0000FF, 0x00FF00}));
  EXPECT_EQ(canvas.Texts.size(), 1u);

  owner.SetColor(clNone);
  owner.Draw(canvas);
  EXPECT_EQ(fillColours(), std::vector<TColor>{0x00FF00});
}

TEST(SkinObjectDraw, TextFormatsSeparatorTitleEllipsisShadowAndDisabledGrey) {
  TSeBitmap target;
  target.SetSize(200, 40);
  RecordingCanvas canvas(target);
  TSeSkinObject item(nullptr);
  item.SetBounds({0, 0, 100, 20});
  TFont font;
  font.SetColor(0x00AA00);
  item.SetFont(font);

  item.SetText(u"-");
  item.PaintText(canvas);
  ASSERT_EQ(canvas.Fills.size(), 1u);
  EXPECT_EQ(canvas.Fills[0].first, (TRect{3, 9, 97, 10}));
  EXPECT_EQ(canvas.Fills[0].second, 0x00AA00);
  EXPECT_TRUE(canvas.Texts.empty());

  item.SetText(u"Open");
  item.SetShortCutText(u"Ctrl+O");
  item.SetTextAlign(TSeTextAlign::taTopLeft);
  item.SetTextMarginLeft(4);
  item.SetTextMarginRight(6);
  item.SetTextMarginTop(2);
  item.SetEnabled(false);
  item.PaintText(canvas);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  EXPECT_EQ(canvas.Texts[0].Rect, (TRect{4, 2, 94, 20}));
  EXPECT_EQ(canvas.Texts[0].Format, SeTextFormat::tfSingleLine | SeTextFormat::tfLeft);
  EXPECT_EQ(canvas.Texts[1].Text, u"Ctrl+O");
  EXPECT_EQ(canvas.Texts[1].Format, SeTextFormat::tfSingleLine | SeTextFormat::tfRight);
  EXPECT_EQ(canvas.Texts[0].Font.Color, 0x808080);
  EXPECT_EQ(item.Font().Color(), 0x00AA00);  // the grey is the canvas's copy only

  canvas.Texts.clear();
  item.SetEnabled(true);
  item.SetShortCutText(u"");
  item.SetTextEffect(TSeTextEffect::teShadow);
  item.SetTextAlign(TSeTextAlign::taBottomCenter);
  item.PaintText(canvas);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  EXPECT_EQ(canvas.Texts[0].Font.Color, clBlack);
  EXPECT_EQ(canvas.Texts[0].Rect, (TRect{5, 3, 95, 21}));
  EXPECT_EQ(canvas.Texts[1].Font.Color, 0x00AA00);
  EXPECT_EQ(canvas.Texts[1].Format,
            SeTextFormat::tfSingleLine | SeTextFormat::tfBottom | SeTextFormat::tfCenter);

  canvas.Texts.clear();
  item.SetTextEffect(TSeTextEffect::teNone);
  item.SetKind(TSeKind::skTitle);
  item.SetText(u"A caption far too wide for the title");
  item.PaintText(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  const std::u16string& shown = canvas.Texts[0].Text;
  ASSERT_GT(shown.size(), 3u);
  EXPECT_EQ(shown.substr(shown.size() - 3), u"...");
  canvas.SetFont(SkinSeam::CanvasFont(item.Font()));
  EXPECT_LE(TextWidthSkin(canvas, shown, SeTextFormat::tfSingleLine), 90);
}

TEST(SkinObjectDraw, RightToLeftMirrorsAlignmentOnlyWhereTheLocaleReadsSo) {
  using namespace SeTextFormat;
  TSeBitmap target;
  target.SetSize(100, 20);
  RecordingCanvas canvas(target);
  TSeSkinObject item(nullptr);
  item.SetBounds({0, 0, 100, 20});
  item.SetText(u"Item");
  item.SetShortCutText(u"F1");
  FakeControl control;
  control.Mode = TSeBiDiMode::bdRightToLeft;
  item.SetControl(&control);
  auto formats = [&](TSeTextAlign align) {
    canvas.Texts.clear();
    item.SetTextAlign(align);
    item.PaintText(canvas);
    return std::pair{canvas.Texts.at(0).Format, canvas.Texts.at(1).Format};
  };
  // A locale without right-to-left scripts changes nothing.
  EXPECT_EQ(formats(TSeTextAlign::taLeft),
            std::pair(tfSingleLine | tfVCenter, tfSingleLine | tfVCenter | tfRight));

  control.RightToLeftLocale = true;
  const std::uint32_t rtl = 0x20000;
  EXPECT_EQ(formats(TSeTextAlign::taLeft),
            std::pair(tfSingleLine | tfVCenter | tfRight | rtl, tfSingleLine | tfVCenter | rtl));
  EXPECT_EQ(formats(TSeTextAlign::taTopCenter),
            std::pair(tfSingleLine | tfCenter | rtl, tfSingleLine | tfCenter | rtl));
  control.Mode = TSeBiDiMode::bdRightToLeftNoAlign;
  item.SetControl(&control);
  EXPECT_EQ(formats(TSeTextAlign::taBottomRight),
            std::pair(tfSingleLine | tfBottom, tfSingleLine | tfBottom | tfRight));
}

TEST(StateLooks, TemporaryColourAndFontComeBackAlsoWhenPaintingFails) {
  TSeBitmap target;
  target.SetSize(10, 10);
  RecordingCanvas canvas(target);
  TSeActiveObject item(nullptr);
  item.SetBounds({0, 0, 10, 10});
  item.SetColor(0x111111);
  item.SetActiveColor(0x222222);
  item.SetState(TSeObjectState::osPressed);
  item.Draw(canvas);
  ASSERT_EQ(canvas.Fills.size(), 1u);
  EXPECT_EQ(canvas.Fills[0].second, 0x222222);

  canvas.FailOnFill = true;
  EXPECT_THROW(item.Draw(canvas), std::runtime_error);
  EXPECT_EQ(item.Color(), 0x111111);
}

TEST(StateLooks, TextObjectPaintsWithTheStateFontAndHueReachesEveryStateFont) {
  TSeBitmap target;
  target.SetSize(50, 20);
  RecordingCanvas canvas(target);
  TSeTextObject text(nullptr);
  text.SetBounds({0, 0, 50, 20});
  text.SetText(u"Check");
  TFont disabled;
  disabled.SetColor(0x808080);
  text.SetFontDisabled(disabled);
  text.SetState(TSeObjectState::osDisabled);
  EXPECT_EQ(text.GetFont().Color(), 0x808080);
  text.Draw(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Font.Color, 0x808080);
  EXPECT_EQ(text.Font().Color(), clWindowText);

  // Worked through the hue rule: a third of the circle (85 of 255) turns red into green,
  // green into blue and blue into red; the classic button text, black, stays black but comes
  // back as a plain colour.
  TFont hot;
  hot.SetColor(clBtnText);
  text.SetFontHot(hot);
  TFont pressed;
  pressed.SetColor(clRed);
  text.SetFontPressed(pressed);
  TFont focused;
  focused.SetColor(clLime);
  text.SetFontFocused(focused);
  disabled.SetColor(clBlue);
  text.SetFontDisabled(disabled);
  text.ChangeHue(85);
  EXPECT_EQ(text.FontHot().Color(), clBlack);
  EXPECT_EQ(text.FontPressed().Color(), clLime);
  EXPECT_EQ(text.FontFocused().Color(), clBlue);
  EXPECT_EQ(text.FontDisabled().Color(), clRed);
}

}  // namespace
