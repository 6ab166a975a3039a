#include "framework/ui/TCustomControl.h"

#include "framework/core/ScopeGuard.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.Lock();
  // Painting is entered again when a child asks for the background: keep the outer DC.
  const HDC previous = canvas_.HandleAllocated() ? canvas_.Handle() : nullptr;
  canvas_.SetHandle(dc);
  ScopeGuard restore([this, previous] {
    canvas_.SetHandle(previous);
    canvas_.Unlock();
  });
  Paint();
}
