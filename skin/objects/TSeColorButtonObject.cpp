#include "skin/objects/TSeColorButtonObject.h"

void TSeColorButtonObject::Draw(Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  const StateLook* look = nullptr;
  switch (State()) {
    case TSeObjectState::osHot:
      look = &hot_;
      break;
    case TSeObjectState::osPressed:
      look = &pressed_;
      break;
    case TSeObjectState::osFocused:
      look = &focused_;
      break;
    case TSeObjectState::osDisabled:
      look = &disabled_;
      break;
    default:
      break;
  }
  if (look == nullptr) {
    TSeSkinObject::Draw(canvas);
    return;
  }
  // The stored font and colour come back also when painting fails.
  TemporaryValue<Font> font(FontField(), look->TextFont);
  TemporaryValue<Color> color(ColorField(), look->FillColor);
  TSeSkinObject::Draw(canvas);
}

void TSeColorButtonObject::Assign(const TSeSkinObject& source) {
  TSeSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeColorButtonObject*>(&source)) {
    hot_ = other->hot_;
    pressed_ = other->pressed_;
    focused_ = other->focused_;
    disabled_ = other->disabled_;
  }
}
