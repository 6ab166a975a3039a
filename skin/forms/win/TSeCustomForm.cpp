#include "skin/forms/win/TSeCustomForm.h"

#include "framework/core/win/Handles.h"
#include "framework/ui/TCustomForm.h"

TSeCustomForm::TSeCustomForm(TComponent* owner) : TSeHook(owner) {}

TSeCustomForm::~TSeCustomForm() = default;

RECT TSeCustomForm::ClientRect() const {
  RECT r{};
  if (Control() && Control()->HandleAllocated()) GetClientRect(Control()->Handle(), &r);
  return r;
}

void TSeCustomForm::PaintClientBackground(HDC dc) {
  if (!Control()) return;
  const RECT r = ClientRect();
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(Control()->Color())));
  FillRect(dc, &r, brush.Get());
}

void TSeCustomForm::EraseBackground(HDC dc, const TSeBackgroundRequest* request) {
  if (!dc) return;
  Handles::SavedDC saved(dc);
  if (request && request->Flag != 1)
    IntersectClipRect(dc, request->Left, request->Top, request->Right, request->Bottom);
  PaintClientBackground(dc);
}

void TSeCustomForm::WMEraseBkgnd(TMessage& message) {
  EraseBackground(reinterpret_cast<HDC>(message.WParam),
                  reinterpret_cast<const TSeBackgroundRequest*>(message.LParam));
  message.Result = 1;
  SetHandled(true);
}
