#pragma once

#include <windows.h>

#include "framework/core/win/Handles.h"
#include "skin/objects/TSeCanvas.h"

// The canvas on a device context: GDI does the drawing. The context's state (origin, clip,
// selected objects) is saved when the canvas is made and restored when it goes.
class TSeGdiCanvas : public TSeCanvas {
 public:
  explicit TSeGdiCanvas(HDC dc);
  ~TSeGdiCanvas() override;

  void FillRect(const TRect& rect, TColor color) override;
  void FrameRect(const TRect& rect, TColor color) override;
  void Line(TPoint from, TPoint to, TColor color) override;
  void FillPattern(const TRect& rect, const TColor (&pattern)[64]) override;
  void SetFont(const TSeFont& font) override;
  const TSeFont& Font() const override { return font_; }
  TSize TextExtent(std::u16string_view text) override;
  int DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) override;
  void CopyBitmap(const TSeBitmap& source, const TRect& dest, const TRect& src) override;
  void CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) override;
  bool TransparentBlit(const TSeBitmap& source, const TRect& dest, const TRect& src,
                       std::uint32_t keyColor) override;
  void ReadArea(const TRect& area, TSeBitmap& target) override;
  void SetClipRect(const TRect* rect) override;
  TPoint Origin() const override { return origin_; }
  void SetOrigin(TPoint origin) override;

  HDC Handle() const { return dc_; }
  // Whether the system offers TransparentBlt (msimg32, NT family above version 4).
  static bool HasTransparentBlt();

 private:
  void SelectFont();

  HDC dc_;
  Handles::SavedDC saved_;
  TPoint origin_;
  TSeFont font_;
  // The font goes out of the context before it is freed (members go in reverse order).
  Handles::Font fontHandle_;
  Handles::SelectedObject fontSelection_;
};
