#pragma once

// An icon: loaded from the program's resources or taken over from a handle.

#include <windows.h>

#include "framework/core/win/Handles.h"
#include "framework/ui/TGraphic.h"

class TIcon : public TGraphic {
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  HICON Handle() const { return icon_.Get(); }
  // Takes ownership of the handle.
  void SetHandle(HICON icon);
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name, int size = 32);
  void DrawTo(HDC dc, const RECT& rect) override;

 private:
  Handles::Icon icon_;
  int width_ = 0;
  int height_ = 0;
};
