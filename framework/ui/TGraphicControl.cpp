#include "framework/ui/TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WMPaint(TMessage& message) {
  if (!message.WParam) return;
  canvas_.Lock();
  canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    canvas_.Unlock();
    throw;
  }
  canvas_.SetHandle(nullptr);
  canvas_.Unlock();
}
