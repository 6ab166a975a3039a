#pragma once

// The small window that shows a control's hint near the mouse.

#include <string>

#include "framework/ui/TCustomControl.h"

class THintWindow : public TCustomControl {
  QM_CLASS(THintWindow, TCustomControl)

 public:
  explicit THintWindow(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<THintWindow>&) {}
  // Shows text with its top-left corner at a screen point, without taking the focus.
  void ActivateHint(const std::wstring& text, POINT screenPoint);
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
