#pragma once

// A 32-bit top-down device-independent bitmap with its own memory DC and canvas. Its pixels are
// reachable directly (ScanLine), which the skin's pixel work and the tests rely on.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/core/win/Handles.h"
#include "framework/ui/TCanvas.h"
#include "framework/ui/TGraphic.h"

class TBitmap : public TGraphic {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Reallocates the pixels (cleared to 0) when the size changes; 0 by 0 frees them.
  void SetSize(int width, int height);

  HBITMAP Handle() const { return bitmap_.Get(); }
  HDC DC() const { return dc_.Get(); }
  TCanvas& Canvas() { return canvas_; }
  // Row y of the pixels, 0x00RRGGBB per pixel.
  std::uint32_t* ScanLine(int y);

  // Loads a BITMAP resource by name, converting it to 32 bits.
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name);

  void DrawTo(HDC dc, const RECT& rect) override;

 private:
  void Free();

  int width_ = 0;
  int height_ = 0;
  void* bits_ = nullptr;
  // Freed in the reverse order: the section leaves the DC before either goes.
  Handles::Bitmap bitmap_;
  Handles::CreatedDC dc_;
  Handles::SelectedObject selection_;
  TCanvas canvas_;
};
