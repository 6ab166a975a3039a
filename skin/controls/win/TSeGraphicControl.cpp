#include "skin/controls/win/TSeGraphicControl.h"

TSeGraphicControl::TSeGraphicControl(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), 100, 30);
  SetColor(clBtnFace);
  painting_.OnChange = [this] {
    if (!Loading()) Invalidate();
  };
}

void TSeGraphicControl::DeclareProperties(TPropertyBuilder<TSeGraphicControl>& p) {
  p.Object("Blending", [](const TSeGraphicControl& c) {
    return &const_cast<TSeGraphicControl&>(c).Blending();
  });
  p.Enum("Performance", PerformanceInfo(), &TSeGraphicControl::Performance,
         &TSeGraphicControl::SetPerformance)
      .Always();
  p.Boolean("Transparent", &TSeGraphicControl::Transparent, &TSeGraphicControl::SetTransparent)
      .Always();
}

void TSeGraphicControl::SetPerformance(TSePerformance value) {
  if (painting_.SetPerformance(value)) Invalidate();
}

void TSeGraphicControl::SetTransparent(bool value) {
  if (painting_.SetTransparent(value)) Invalidate();
}

void TSeGraphicControl::PaintParentBackground(HDC dc) {
  painting_.PaintParentBackground(dc, Width(), Height());
}

void TSeGraphicControl::Paint() {
  painting_.Paint(Canvas(), Width(), Height(), [this] { PaintClient(); });
}

void TSeGraphicControl::PaintClient() {
  if (Transparent()) return;
  Canvas().SetBrushColor(Color());
  Canvas().FillRect(ClientRect());
}

void TSeGraphicControl::CMMouseEnter(TMessage& message) {
  InheritedMessage<TSeGraphicControl>(message);
  painting_.SetMouseInside(true);
}

void TSeGraphicControl::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeGraphicControl>(message);
  painting_.SetMouseInside(false);
}

void TSeGraphicControl::SEChange(TMessage& message) {
  if (TSeSkinBinding* binding = SkinBinding()) binding->ChangeMessage(message.Msg, message.LParam);
}

void TSeGraphicControl::SEObjectChanged(TMessage&) {
  Invalidate();
}

void TSeGraphicControl::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove)
    if (TSeSkinBinding* binding = SkinBinding()) binding->ComponentRemoved(component);
}

void TSeGraphicControl::Loaded() {
  TGraphicControl::Loaded();
  if (TSeSkinBinding* binding = SkinBinding()) binding->Bind();
}
