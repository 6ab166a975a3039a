#pragma once

// Drawing on a device context with a pen, a brush and a font. The canvas creates its GDI
// objects lazily when an operation needs them and selects them into the DC only for that
// operation's duration, so the DC can be handed back at any time in its original state.

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "framework/core/Color.h"
#include "framework/core/win/Handles.h"

class TGraphic;

enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psDash, psDot, psClear };

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) : dc_(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  // The DC being drawn on; controls create theirs on demand.
  HDC Handle();
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  // Serialises painting that shares a canvas (a control's canvas pointed at another DC for a
  // moment). Recursive, as nested paints on the GUI thread lock again.
  void Lock();
  void Unlock();
  int LockCount() const { return lockCount_; }

  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor color);
  TBrushStyle BrushStyle() const { return brushStyle_; }
  void SetBrushStyle(TBrushStyle style);

  TColor PenColor() const { return penColor_; }
  void SetPenColor(TColor color);
  int PenWidth() const { return penWidth_; }
  void SetPenWidth(int width);
  TPenStyle PenStyle() const { return penStyle_; }
  void SetPenStyle(TPenStyle style);

  // The font is owned elsewhere (a TFont's handle); the canvas only selects it.
  HFONT Font() const { return font_; }
  void SetFont(HFONT font) { font_ = font; }
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color) { fontColor_ = color; }

  POINT PenPos() const { return penPos_; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void Polygon(const std::vector<POINT>& points);
  void DrawFocusRect(const RECT& rect);

  void TextOut(int x, int y, const std::wstring& text);
  void TextRect(const RECT& rect, int x, int y, const std::wstring& text);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const RECT& rect, TGraphic& graphic);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

 protected:
  // Called when an operation needs a DC and none is set; controls get theirs here.
  virtual void CreateHandle() {}
  HDC RequireHandle();

 private:
  HBRUSH BrushHandle();
  HPEN PenHandle();

  HDC dc_ = nullptr;
  std::recursive_mutex lock_;
  int lockCount_ = 0;

  TColor brushColor_ = clWhite;
  TBrushStyle brushStyle_ = bsSolid;
  Handles::Brush brush_;

  TColor penColor_ = clBlack;
  int penWidth_ = 1;
  TPenStyle penStyle_ = psSolid;
  Handles::Pen pen_;

  HFONT font_ = nullptr;
  TColor fontColor_ = clWindowText;
  POINT penPos_{0, 0};
};
