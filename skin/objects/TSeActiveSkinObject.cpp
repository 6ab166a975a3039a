#include "skin/objects/TSeActiveSkinObject.h"

void TSeActiveSkinObject::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (State() == TSeObjectState::osFocused || State() == TSeObjectState::osHot) {
    TemporaryLook look(*this, activeColor_, activeFont_);
    TSeSkinObject::Draw(canvas);
    return;
  }
  TSeSkinObject::Draw(canvas);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColor(activeColor_, delta, false);
  ShiftFontColor(activeFont_, delta);
}

void TSeActiveSkinObject::MouseEnter() {
  SetState(TSeObjectState::osHot);
  Invalidate();
}

void TSeActiveSkinObject::MouseLeave() {
  SetState(TSeObjectState::osNormal);
  Invalidate();
}

void TSeActiveSkinObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeActiveSkinObject>(source)) {
    activeColor_ = other->activeColor_;
    activeFont_.Assign(&other->activeFont_);
  }
}

void TSeActiveSkinObject::DeclareProperties(TPropertyBuilder<TSeActiveSkinObject>& p) {
  p.Color("ActiveColor", &TSeActiveSkinObject::activeColor_).Default(clBlack);
  p.Object("ActiveFont", &TSeActiveSkinObject::activeFont_);
}
