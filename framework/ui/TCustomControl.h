#pragma once

// A windowed control that paints itself on a canvas.

#include "framework/ui/TCanvas.h"
#include "framework/ui/TWinControl.h"

class TCustomControl : public TWinControl {
  QM_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  static void DeclareProperties(TPropertyBuilder<TCustomControl>&) {}

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};
