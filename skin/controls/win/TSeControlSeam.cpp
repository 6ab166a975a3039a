#include "skin/controls/win/TSeControlSeam.h"

#include "framework/ui/TCustomForm.h"
#include "skin/SkinMessages.h"
#include "skin/controls/win/ControlTree.h"

void TSeControlSeam::ObjectChanged(TSeSkinObject* object) {
  control_.Perform(SE_OBJECTCHANGED, 0, reinterpret_cast<LPARAM>(object));
}

TSeSkinFormActions* TSeControlSeam::SkinForm() {
  TCustomForm* form = ParentFormOf(control_);
  if (!form || !form->HandleAllocated()) return nullptr;
  return reinterpret_cast<TSeSkinFormActions*>(SendMessageW(form->Handle(), SE_GETSKINFORM, 0, 0));
}

TSeBiDiMode TSeControlSeam::BiDiMode() const {
  return static_cast<TSeBiDiMode>(control_.BiDiMode());
}

TPoint TSeControlSeam::ClientToScreen(TPoint point) const {
  const POINT p = control_.ClientToScreen(POINT{point.X, point.Y});
  return TPoint{p.x, p.y};
}
