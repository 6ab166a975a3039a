#include "skin/controls/win/TSeSkinMemo.h"

#include "skin/controls/SkinProperties.h"
#include "skin/controls/win/TSeSkinScrollBar.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/win/TSeGdiCanvas.h"

TSeSkinMemo::TSeSkinMemo(TComponent* owner)
    : TSeCustomMemo(owner), binding_(*this, "Edit", &seam_) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinMemo::DeclareProperties(TPropertyBuilder<TSeSkinMemo>& p) {
  DeclareSkinProperties(p, "Edit");
}

TSeCustomScrollBar* TSeSkinMemo::CreateScrollBarControl() {
  auto* bar = new TSeSkinScrollBar(nullptr);
  bar->SetSkinEngine(binding_.Engine());
  return bar;
}

void TSeSkinMemo::SetSkinEngine(TSeSkinEngine* engine) {
  binding_.SetEngine(engine);
}

void TSeSkinMemo::SkinBound() {
  // The skin's colour replaces the one the window definition stored.
  if (TSeSkinObject* copy = binding_.Copy()) SetColor(copy->Color());
  TSeSubScrollBar& cover = ScrollBarCover();
  for (TSeInplaceScrollBar* bar : {cover.Vertical(), cover.Horizontal()})
    if (bar) static_cast<TSeSkinScrollBar&>(bar->Bar()).SetSkinEngine(binding_.Engine());
  RedrawBorder();
  cover.Sync();
}

void TSeSkinMemo::PaintBorder(HDC dc, const RECT& rect) {
  TSeSkinObject* copy = binding_.Copy();
  if (!IsSkinActive() || !copy) {
    TSeCustomMemo::PaintBorder(dc, rect);
    return;
  }
  TSeSkinObject* frame = copy->FindByName("Frame");
  if (!frame) frame = copy;
  frame->SetState(Enabled() ? TSeObjectState::osNormal : TSeObjectState::osDisabled);
  frame->SetBounds(TRect{rect.left, rect.top, rect.right, rect.bottom});
  TSeGdiCanvas canvas(dc);
  frame->Draw(canvas);
}

void TSeSkinMemo::SEChange(TMessage& message) {
  binding_.ChangeMessage(message.Msg, message.LParam);
}

void TSeSkinMemo::SEObjectChanged(TMessage&) {
  RedrawBorder();
}

void TSeSkinMemo::Notification(TComponent* component, TOperation operation) {
  TSeCustomMemo::Notification(component, operation);
  if (operation == TOperation::opRemove) binding_.ComponentRemoved(component);
}

void TSeSkinMemo::Loaded() {
  TSeCustomMemo::Loaded();
  binding_.Bind();
}
