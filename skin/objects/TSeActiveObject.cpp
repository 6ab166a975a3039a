#include "skin/objects/TSeActiveObject.h"

namespace {
bool Highlighted(TSeObjectState state) {
  return state == TSeObjectState::osHot || state == TSeObjectState::osPressed ||
         state == TSeObjectState::osFocused;
}
}  // namespace

TFont& TSeActiveObject::GetFont() {
  return Highlighted(State()) ? activeFont_ : TSeSkinObject::GetFont();
}

void TSeActiveObject::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (Active() || Highlighted(State())) {
    TemporaryLook look(*this, activeColor_, activeFont_);
    TSeSkinObject::Draw(canvas);
    return;
  }
  TSeSkinObject::Draw(canvas);
}

void TSeActiveObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColor(activeColor_, delta);
  ShiftFontColor(activeFont_, delta);
}

void TSeActiveObject::SetCharset(std::int32_t charset) {
  TSeSkinObject::SetCharset(charset);
  activeFont_.SetCharset(static_cast<TFontCharset>(charset));
}

void TSeActiveObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeActiveObject>(source)) {
    activeColor_ = other->activeColor_;
    activeFont_.Assign(&other->activeFont_);
  }
}

void TSeActiveObject::DeclareProperties(TPropertyBuilder<TSeActiveObject>& p) {
  p.Color("ActiveColor", &TSeActiveObject::activeColor_).Default(clBlack);
  p.Object("ActiveFont", &TSeActiveObject::activeFont_);
}
