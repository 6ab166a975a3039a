#include "skin/objects/TSeTextObject.h"

SkinSeam::Font& TSeTextObject::GetFont() {
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

void TSeTextObject::Draw(Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  const Font stateFont = GetFont();
  TemporaryValue<Font> font(FontField(), stateFont);
  TSeSkinObject::Draw(canvas);
}

void TSeTextObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  for (Font* f : {&fontHot_, &fontFocused_, &fontPressed_, &fontDisabled_}) {
    ShiftColor(f->Color, delta, false);
  }
}

void TSeTextObject::SetCharset(std::int32_t charset) {
  TSeSkinObject::SetCharset(charset);
  for (Font* f : {&fontHot_, &fontFocused_, &fontPressed_, &fontDisabled_}) f->Charset = charset;
}

void TSeTextObject::Assign(const TSeSkinObject& source) {
  TSeSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeTextObject*>(&source)) {
    fontHot_ = other->fontHot_;
    fontFocused_ = other->fontFocused_;
    fontPressed_ = other->fontPressed_;
    fontDisabled_ = other->fontDisabled_;
  }
}
