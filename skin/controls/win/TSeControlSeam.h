#pragma once

#include "skin/objects/TSeObjectControl.h"

class TControl;

// A control's window as its skin copy sees it: an object that changed its look asks for a
// repaint with SE_OBJECTCHANGED, and the frame component is asked of the control's form.
class TSeControlSeam : public TSeObjectControl {
 public:
  explicit TSeControlSeam(TControl& control) : control_(control) {}
  void ObjectChanged(TSeSkinObject* object) override;
  TSeSkinFormActions* SkinForm() override;
  TSeBiDiMode BiDiMode() const override;
  bool DrawWindowIcon(TSeCanvas&, std::int32_t, std::int32_t) override { return false; }
  TPoint ClientToScreen(TPoint point) const override;
  void ActivateHint(TPoint) override {}

 private:
  TControl& control_;
};
