#include "skin/objects/TSeActiveObject.h"

namespace {
bool Highlighted(TSeObjectState state) {
  return state == TSeObjectState::osHot || state == TSeObjectState::osPressed ||
         state == TSeObjectState::osFocused;
}
}  // namespace

SkinSeam::Font& TSeActiveObject::GetFont() {
  return Highlighted(State()) ? activeFont_ : TSeSkinObject::GetFont();
}

void TSeActiveObject::Draw(Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  if (Active() || Highlighted(State())) {
    TemporaryValue<Color> color(ColorField(), activeColor_);
    TemporaryValue<Font> font(FontField(), activeFont_);
    TSeSkinObject::Draw(canvas);
    return;
  }
  TSeSkinObject::Draw(canvas);
}

void TSeActiveObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColor(activeColor_, delta);
  ShiftColor(activeFont_.Color, delta, false);
}

void TSeActiveObject::SetCharset(std::int32_t charset) {
  TSeSkinObject::SetCharset(charset);
  activeFont_.Charset = charset;
}

void TSeActiveObject::Assign(const TSeSkinObject& source) {
  TSeSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeActiveObject*>(&source)) {
    activeColor_ = other->activeColor_;
    activeFont_ = other->activeFont_;
  }
}
