#include "framework/ui/TGraphicControl.h"

#include "framework/core/ScopeGuard.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WMPaint(TMessage& message) {
  if (!message.WParam) return;
  canvas_.Lock();
  canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
  // The parent's DC is only lent for this paint.
  ScopeGuard release([this] {
    canvas_.SetHandle(nullptr);
    canvas_.Unlock();
  });
  Paint();
}
