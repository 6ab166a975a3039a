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
  // The frame covers the whole control; the text area lies inside its margins, inset by the
  // bevels and border. Without bevel and border the frame's own margins would hide the text:
  // it is then laid out that much larger on every side.
  RECT r{0, 0, PaintWidth(), PaintHeight()};
  const RECT inner = GetInnerRect();
  if (EqualRect(&r, &inner)) {
    const TSeSkinObject* frame = Frame();
    r = RECT{-frame->MarginLeft(), -frame->MarginTop(), r.right + frame->MarginRight(),
             r.bottom + frame->MarginBottom()};
  }
  // The skin draws only the frame's edges: the face inside them is the edit's colour.
  if (!Transparent()) {
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(RECT{0, 0, PaintWidth(), PaintHeight()});
  }
  DrawFrame(r);
}

void TSeSkinEdit::PaintBorder() {
  if (!IsSkinActive()) {
    TSeCustomEdit::PaintBorder();
    return;
  }
  // The ring of bevels and border is the frame's own edge, not a box around it.
  if (binding_.Copy()->FindByName("Frame")) DrawFrame(RECT{0, 0, PaintWidth(), PaintHeight()});
}
