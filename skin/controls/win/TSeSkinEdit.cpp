#include "skin/controls/win/TSeSkinEdit.h"

#include "skin/controls/SkinProperties.h"
#include "skin/objects/TSeSkinObject.h"

TSeSkinEdit::TSeSkinEdit(TComponent* owner)
    : TSeCustomEdit(owner), binding_(*this, "Edit", &Seam()) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinEdit::DeclareProperties(TPropertyBuilder<TSeSkinEdit>& p) {
  DeclareSkinProperties(p, "Edit");
}

void TSeSkinEdit::CMMouseHover(TMessage& message) {
  InheritedMessage<TSeSkinEdit>(message);
  Invalidate();
}

TSeObjectState TSeSkinEdit::PaintState() {
  if (!Enabled()) return TSeObjectState::osDisabled;
  if (MouseInside()) return TSeObjectState::osHot;
  if (IsFocused()) return TSeObjectState::osFocused;
  return TSeObjectState::osNormal;
}

TSeSkinObject* TSeSkinEdit::Frame() {
  TSeSkinObject* copy = binding_.Copy();
  if (!copy) return nullptr;
  TSeSkinObject* frame = copy->FindByName("Frame");
  return frame ? frame : copy;
}

void TSeSkinEdit::SkinBound() {
  if (TSeSkinObject* copy = binding_.Copy()) {
    TSeSkinObject* text = copy->FindByName("Text");
    SetFont(text ? text->Font() : copy->Font());
  }
  TSeCustomEdit::SkinBound();
}

void TSeSkinEdit::DrawFrame(const RECT& r) {
  TSeSkinObject* frame = Frame();
  if (!frame) return;
  frame->SetState(PaintState());
  frame->SetBounds(TRect{r.left, r.top, r.right, r.bottom});
  TSeGdiCanvas canvas = SkinCanvas();
  frame->Draw(canvas);
}

void TSeSkinEdit::PaintTextBackground(const RECT& area) {
  if (!IsSkinActive()) {
    TSeCustomEdit::PaintTextBackground(area);
    return;
  }
  RECT r = GetInnerRect();
  const RECT whole{0, 0, PaintWidth(), PaintHeight()};
  // Without bevel and border the frame's own margins would hide the text: it is laid out that
  // much larger on every side.
  if (EqualRect(&r, &whole)) {
    const TSeSkinObject* frame = Frame();
    r = RECT{-frame->MarginLeft(), -frame->MarginTop(), whole.right + frame->MarginRight(),
             whole.bottom + frame->MarginBottom()};
  }
  DrawFrame(r);
}

void TSeSkinEdit::PaintBorder() {
  if (!IsSkinActive()) {
    TSeCustomEdit::PaintBorder();
    return;
  }
  // The ring outside the frame would otherwise keep whatever the buffer held.
  Canvas().SetBrushColor(Color());
  Canvas().FillRect(RECT{0, 0, PaintWidth(), PaintHeight()});
  TSeSkinObject* copy = binding_.Copy();
  if (copy->FindByName("Frame")) DrawFrame(GetInnerRect());
}
