#include "skin/forms/TSeFormOptions.h"

void TSeFormOptions::DeclareProperties(TPropertyBuilder<TSeFormOptions>& p) {
  p.Object("Blending", &TSeFormOptions::blending_);
  p.Object("Shadow", &TSeFormOptions::shadow_);
  p.Object("Animation", &TSeFormOptions::animation_);
}

void TSeFormOptions::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeFormOptions>(source)) {
    blending_.Assign(&other->blending_);
    shadow_.Assign(&other->shadow_);
    animation_.Assign(&other->animation_);
    Changed();
    return;
  }
  Inherited::Assign(source);
}

void TSeFormOptions::SetBlending(const TSeBlending& value) {
  blending_.Assign(&value);
  Changed();
}

void TSeFormOptions::SetShadow(const TSeShadow& value) {
  shadow_.Assign(&value);
  Changed();
}

void TSeFormOptions::SetAnimation(const TSeAnimation& value) {
  animation_.Assign(&value);
  Changed();
}

void TSeFormOptions::Changed() const {
  if (onChange_) onChange_();
}
