#pragma once

// A control without a window: its parent paints it (WM_PAINT with the parent's DC moved to the
// control's origin and clipped to it) and routes mouse messages to it.

#include "framework/ui/TCanvas.h"
#include "framework/ui/TControl.h"

class TGraphicControl : public TControl {
  QM_CLASS(TGraphicControl, TControl)
  // clang-format off
  QM_MESSAGE_TABLE(TGraphicControl, TControl,
    QM_MESSAGE(WM_PAINT, WMPaint))
  // clang-format on

 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  static void DeclareProperties(TPropertyBuilder<TGraphicControl>&) {}

 protected:
  virtual void Paint() {}
  void WMPaint(TMessage& message);

 private:
  TCanvas canvas_;
};
