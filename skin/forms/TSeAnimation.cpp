#include "skin/forms/TSeAnimation.h"

#include <algorithm>

void TSeAnimation::DeclareProperties(TPropertyBuilder<TSeAnimation>& p) {
  p.Enum("Direction", SeDirectionInfo(), &TSeAnimation::Direction, &TSeAnimation::SetDirection)
      .Default(TSeDirection::kdNone);
  p.Enum("Effect", KeEffectInfo(), &TSeAnimation::Effect, &TSeAnimation::SetEffect)
      .Default(TkeEffect::keFade);
  p.Boolean("Enabled", &TSeAnimation::Enabled, &TSeAnimation::SetEnabled).Default(false);
  p.Integer("Resolution", &TSeAnimation::Resolution, &TSeAnimation::SetResolution).Default(1);
  p.Integer("TileCount", &TSeAnimation::TileCount, &TSeAnimation::SetTileCount).Default(1);
  p.Integer("Time", &TSeAnimation::Time, &TSeAnimation::SetTime).Default(400);
}

void TSeAnimation::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeAnimation>(source)) {
    direction_ = other->direction_;
    effect_ = other->effect_;
    enabled_ = other->enabled_;
    resolution_ = other->resolution_;
    tileCount_ = other->tileCount_;
    time_ = other->time_;
    return;
  }
  Inherited::Assign(source);
}

void TSeAnimation::SetResolution(std::int32_t value) {
  resolution_ = std::clamp(value, 1, 10);
}

void TSeAnimation::SetTileCount(std::int32_t value) {
  tileCount_ = std::clamp(value, 1, 20);
}

void TSeAnimation::SetTime(std::int32_t value) {
  time_ = std::clamp(value, 50, 9000);
}
