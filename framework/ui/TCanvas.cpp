#include "framework/ui/TCanvas.h"

#include "framework/ui/TGraphic.h"
#include "framework/ui/UiErrors.h"

HDC TCanvas::Handle() {
  return RequireHandle();
}

void TCanvas::SetHandle(HDC dc) {
  dc_ = dc;
}

HDC TCanvas::RequireHandle() {
  if (!dc_) CreateHandle();
  if (!dc_) throw ECanvasError(UiMessages::SNoCanvasHandle);
  return dc_;
}

void TCanvas::Lock() {
  lock_.lock();
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_.unlock();
}

void TCanvas::SetBrushColor(TColor color) {
  if (color == brushColor_) return;
  brushColor_ = color;
  brush_.Reset();
}

void TCanvas::SetBrushStyle(TBrushStyle style) {
  brushStyle_ = style;
}

void TCanvas::SetPenColor(TColor color) {
  if (color == penColor_) return;
  penColor_ = color;
  pen_.Reset();
}

void TCanvas::SetPenWidth(int width) {
  if (width == penWidth_) return;
  penWidth_ = width;
  pen_.Reset();
}

void TCanvas::SetPenStyle(TPenStyle style) {
  if (style == penStyle_) return;
  penStyle_ = style;
  pen_.Reset();
}

HBRUSH TCanvas::BrushHandle() {
  if (brushStyle_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(brushColor_)));
  return brush_.Get();
}

HPEN TCanvas::PenHandle() {
  if (penStyle_ == psClear) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!pen_) {
    const int style = penStyle_ == psDash ? PS_DASH : penStyle_ == psDot ? PS_DOT : PS_SOLID;
    pen_.Reset(CreatePen(style, penWidth_, ColorToRGB(penColor_)));
  }
  return pen_.Get();
}

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  HDC dc = RequireHandle();
  Handles::SelectedObject pen(dc, PenHandle());
  MoveToEx(dc, penPos_.x, penPos_.y, nullptr);
  ::LineTo(dc, x, y);
  penPos_ = {x, y};
}

void TCanvas::FillRect(const RECT& rect) {
  if (brushStyle_ == bsClear) return;
  ::FillRect(RequireHandle(), &rect, BrushHandle());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (brushStyle_ == bsClear) return;
  ::FrameRect(RequireHandle(), &rect, BrushHandle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = RequireHandle();
  Handles::SelectedObject pen(dc, PenHandle());
  Handles::SelectedObject brush(dc, BrushHandle());
  ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  if (points.empty()) return;
  HDC dc = RequireHandle();
  Handles::SelectedObject pen(dc, PenHandle());
  Handles::SelectedObject brush(dc, BrushHandle());
  ::Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  ::DrawFocusRect(RequireHandle(), &rect);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  HDC dc = RequireHandle();
  Handles::SelectedObject font(dc, font_);
  SetTextColor(dc, ColorToRGB(fontColor_));
  if (brushStyle_ == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brushColor_));
  }
  ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  penPos_ = {x + size.cx, y};
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::wstring& text) {
  HDC dc = RequireHandle();
  Handles::SelectedObject font(dc, font_);
  SetTextColor(dc, ColorToRGB(fontColor_));
  UINT options = ETO_CLIPPED;
  if (brushStyle_ != bsClear) {
    options |= ETO_OPAQUE;
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brushColor_));
  } else {
    SetBkMode(dc, TRANSPARENT);
  }
  ExtTextOutW(dc, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  HDC dc = RequireHandle();
  Handles::SelectedObject font(dc, font_);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  graphic.DrawTo(RequireHandle(), RECT{x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic) {
  graphic.DrawTo(RequireHandle(), rect);
}

TColor TCanvas::Pixel(int x, int y) {
  const COLORREF value = GetPixel(RequireHandle(), x, y);
  return value == CLR_INVALID ? clNone : static_cast<TColor>(value);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  SetPixelV(RequireHandle(), x, y, ColorToRGB(color));
}
