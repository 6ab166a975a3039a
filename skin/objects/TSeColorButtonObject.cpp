#include "skin/objects/TSeColorButtonObject.h"

void TSeColorButtonObject::Draw(TSeCanvas& canvas) {
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
  TemporaryLook temporary(*this, look->FillColor, look->TextFont);
  TSeSkinObject::Draw(canvas);
}

void TSeColorButtonObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeColorButtonObject>(source)) {
    hot_.Assign(other->hot_);
    pressed_.Assign(other->pressed_);
    focused_.Assign(other->focused_);
    disabled_.Assign(other->disabled_);
  }
}

void TSeColorButtonObject::DeclareProperties(TPropertyBuilder<TSeColorButtonObject>& p) {
  using T = TSeColorButtonObject;
  // Each state's colour, then its font.
  auto look = [&p](const char* colorName, const char* fontName, StateLook T::*member) {
    p.Color(
         colorName, [member](const T& c) { return (c.*member).FillColor; },
         [member](T& c, TColor value) { (c.*member).FillColor = value; })
        .Default(clBlack);
    p.Object(fontName, [member](const T& c) { return &(c.*member).TextFont; });
  };
  look("HotColor", "HotFont", &T::hot_);
  look("PressedColor", "PressedFont", &T::pressed_);
  look("FocusedColor", "FocusedFont", &T::focused_);
  look("DisabledColor", "DisabledFont", &T::disabled_);
}
