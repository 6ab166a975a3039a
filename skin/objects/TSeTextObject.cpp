#include "skin/objects/TSeTextObject.h"

TFont& TSeTextObject::GetFont() {
  switch (State()) {
    case TSeObjectState::osHot:
      return fontHot_;
    case TSeObjectState::osPressed:
      return fontPressed_;
    case TSeObjectState::osFocused:
      return fontFocused_;
    case TSeObjectState::osDisabled:
      return fontDisabled_;
    default:
      return TSeSkinObject::GetFont();
  }
}

void TSeTextObject::Draw(TSeCanvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  TFont stateFont;
  stateFont.Assign(&GetFont());
  TemporaryLook look(*this, Color(), stateFont);
  TSeSkinObject::Draw(canvas);
}

void TSeTextObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  for (TFont* f : {&fontHot_, &fontFocused_, &fontPressed_, &fontDisabled_}) {
    ShiftFontColor(*f, delta);
  }
}

void TSeTextObject::SetCharset(std::int32_t charset) {
  TSeSkinObject::SetCharset(charset);
  for (TFont* f : {&fontHot_, &fontFocused_, &fontPressed_, &fontDisabled_})
    f->SetCharset(static_cast<TFontCharset>(charset));
}

void TSeTextObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeTextObject>(source)) {
    fontHot_.Assign(&other->fontHot_);
    fontFocused_.Assign(&other->fontFocused_);
    fontPressed_.Assign(&other->fontPressed_);
    fontDisabled_.Assign(&other->fontDisabled_);
  }
}

void TSeTextObject::DeclareProperties(TPropertyBuilder<TSeTextObject>& p) {
  p.Object("FontHot", &TSeTextObject::fontHot_);
  p.Object("FontFocused", &TSeTextObject::fontFocused_);
  p.Object("FontPressed", &TSeTextObject::fontPressed_);
  p.Object("FontDisabled", &TSeTextObject::fontDisabled_);
}
