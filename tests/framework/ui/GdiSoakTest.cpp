// Painting many times must not grow the process's GDI object count: every pen, brush, font,
// bitmap and DC the framework creates has exactly one owner that frees it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "UiTestSupport.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/TBitmap.h"
#include "framework/ui/TCanvas.h"
#include "framework/ui/TIcon.h"
#include "framework/ui/UiErrors.h"

namespace {

TEST(GdiSoak, TheCounterSeesObjectsComeAndGo) {
  const DWORD before = GdiObjects();
  ASSERT_GT(before, 0u);
  {
    Handles::Brush a(CreateSolidBrush(0));
    Handles::Pen b(CreatePen(PS_SOLID, 2, 0));
    Handles::Region c(CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(GdiObjects(), before + 3);
  }
  EXPECT_EQ(GdiObjects(), before);
}

void PaintOnce(TCanvas& canvas, TBitmap& picture, HFONT font, int i) {
  canvas.SetBrushColor(RGB(i & 0xFF, 0x40, 0x80));
  canvas.FillRect(RECT{0, 0, 50, 50});
  canvas.SetPenColor(RGB(0, i & 0xFF, 0));
  canvas.SetPenWidth(1 + i % 3);
  canvas.MoveTo(0, 0);
  canvas.LineTo(40, 40);
  canvas.Rectangle(5, 5, 30, 30);
  canvas.Polygon({{1, 1}, {20, 2}, {10, 20}});
  canvas.SetFont(font);
  canvas.TextOut(2, 2, L"Soak");
  canvas.TextRect(RECT{0, 0, 20, 10}, 0, 0, L"clipped");
  canvas.StretchDraw(RECT{0, 0, 30, 30}, picture);
  canvas.DrawFocusRect(RECT{2, 2, 20, 20});
  Handles::SavedDC saved(canvas.Handle());
  Handles::ClipRect clip(canvas.Handle(), RECT{0, 0, 10, 10});
  Handles::Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
  Handles::SelectedObject selected(canvas.Handle(), brush.Get());
}

TEST(GdiSoak, RepeatedPaintingLeaksNoObjects) {
  TBitmap target(64, 64);
  TBitmap picture(8, 8);
  Handles::Font font(
      CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  auto round = [&](int i) {
    PaintOnce(target.Canvas(), picture, font.Get(), i);
    TBitmap scratch(16 + i % 5, 16);
    scratch.Canvas().FillRect(RECT{0, 0, 4, 4});
    Handles::CreatedDC dc = Handles::CreatedDC::Compatible(nullptr);
    Handles::WindowDC screen(nullptr);
    Handles::Region region(CreateRectRgn(0, 0, 5, 5));
    Handles::Pen pen(CreatePen(PS_SOLID, 1, 0));
    Handles::Pen moved = std::move(pen);
  };
  // Warm up: the first round fills the platform's own caches (the screen DC).
  round(0);
  const DWORD before = GdiObjects();
  ASSERT_GT(before, 0u);
  for (int i = 1; i < 2000; ++i) round(i);
  EXPECT_EQ(GdiObjects(), before);
}

TEST(GdiSoak, ResizingABitmapKeepsOneSetOfObjects) {
  TBitmap bitmap;
  const DWORD before = GdiObjects();
  for (int i = 1; i < 500; ++i) bitmap.SetSize(i % 40 + 1, i % 30 + 1);
  EXPECT_LE(GdiObjects(), before + 2);  // one DIB section and one DC alive
  bitmap.SetSize(0, 0);
  EXPECT_LE(GdiObjects(), before);
}

TEST(Canvas, DrawsIntoTheBitmapsPixels) {
  TBitmap bitmap(20, 10);
  bitmap.Canvas().SetBrushColor(RGB(0x11, 0x22, 0x33));
  bitmap.Canvas().FillRect(RECT{0, 0, 20, 10});
  bitmap.Canvas().SetPixel(3, 4, RGB(0xFF, 0, 0));
  EXPECT_EQ(bitmap.ScanLine(0)[0] & 0xFFFFFF, 0x112233u);
  EXPECT_EQ(bitmap.ScanLine(4)[3] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(bitmap.Canvas().Pixel(3, 4), RGB(0xFF, 0, 0));

  bitmap.Canvas().SetBrushStyle(bsClear);
  bitmap.Canvas().FillRect(RECT{0, 0, 20, 10});  // a clear brush fills nothing
  EXPECT_EQ(bitmap.ScanLine(9)[19] & 0xFFFFFF, 0x112233u);

  TBitmap small(2, 2);
  small.Canvas().SetBrushColor(RGB(0, 0xFF, 0));
  small.Canvas().FillRect(RECT{0, 0, 2, 2});
  bitmap.Canvas().StretchDraw(RECT{10, 0, 20, 10}, small);
  EXPECT_EQ(bitmap.ScanLine(9)[19] & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(bitmap.ScanLine(9)[9] & 0xFFFFFF, 0x112233u);
  EXPECT_THROW(bitmap.ScanLine(10), EInvalidOperation);
}

TEST(Canvas, WithoutADeviceContextRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(RECT{0, 0, 1, 1}), ECanvasError);
}

TEST(Canvas, MeasuresTextWithItsFont) {
  TBitmap bitmap(10, 10);
  Handles::Font big(
      CreateFontW(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  Handles::Font small(
      CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  bitmap.Canvas().SetFont(small.Get());
  const SIZE a = bitmap.Canvas().TextExtent(L"Wide text");
  bitmap.Canvas().SetFont(big.Get());
  const SIZE b = bitmap.Canvas().TextExtent(L"Wide text");
  EXPECT_GT(b.cx, a.cx * 2);
  EXPECT_GT(b.cy, a.cy * 2);
  EXPECT_EQ(bitmap.Canvas().TextWidth(L""), 0);
}

}  // namespace

namespace {

TEST(Icons, OwnTheirHandleAndDrawStretched) {
  const DWORD before = GdiObjects();
  {
    BYTE andMask[32 * 4];
    BYTE xorMask[32 * 4];
    std::fill(std::begin(andMask), std::end(andMask), 0x00);  // opaque
    std::fill(std::begin(xorMask), std::end(xorMask), 0xFF);  // white
    TIcon icon;
    icon.SetHandle(CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask));
    ASSERT_NE(icon.Handle(), nullptr);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    TBitmap target(16, 16);
    target.Canvas().SetBrushColor(clBlack);
    target.Canvas().FillRect(RECT{0, 0, 16, 16});
    target.Canvas().StretchDraw(RECT{0, 0, 16, 16}, icon);
    EXPECT_EQ(target.Canvas().Pixel(8, 8), clWhite);
    // Replacing the handle frees the old icon.
    icon.SetHandle(CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask));
  }
  EXPECT_EQ(GdiObjects(), before);
}

}  // namespace
