#include "skin/objects/TSeActiveSkinObject.h"

void TSeActiveSkinObject::Draw(Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (State() == TSeObjectState::osFocused || State() == TSeObjectState::osHot) {
    TemporaryValue<Color> color(ColorField(), activeColor_);
    TemporaryValue<Font> font(FontField(), activeFont_);
    TSeSkinObject::Draw(canvas);
    return;
  }
  TSeSkinObject::Draw(canvas);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColor(activeColor_, delta, false);
  ShiftColor(activeFont_.Color, delta, false);
}

void TSeActiveSkinObject::MouseEnter() {
  SetState(TSeObjectState::osHot);
  Invalidate();
}

void TSeActiveSkinObject::MouseLeave() {
  SetState(TSeObjectState::osNormal);
  Invalidate();
}

void TSeActiveSkinObject::Assign(const TSeSkinObject& source) {
  TSeSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeActiveSkinObject*>(&source)) {
    activeColor_ = other->activeColor_;
    activeFont_ = other->activeFont_;
  }
}
