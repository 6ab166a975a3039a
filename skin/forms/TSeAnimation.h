#pragma once

#include <cstdint>

#include "framework/core/TPropertyBuilder.h"
#include "skin/forms/SkinFormTypes.h"

// The transition that shows a window: which effect, turned which way, in how many tiles of
// how coarse cells, and for how long.
class TSeAnimation : public TPersistent {
  QM_CLASS(TSeAnimation, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeAnimation>& p);
  void Assign(const TPersistent* source) override;

  TSeDirection Direction() const { return direction_; }
  void SetDirection(TSeDirection value) { direction_ = value; }
  TkeEffect Effect() const { return effect_; }
  void SetEffect(TkeEffect value) { effect_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  std::int32_t Resolution() const { return resolution_; }
  // Held to 1..10 pixels per cell.
  void SetResolution(std::int32_t value);
  std::int32_t TileCount() const { return tileCount_; }
  // Held to 1..20.
  void SetTileCount(std::int32_t value);
  std::int32_t Time() const { return time_; }
  // Held to 50..9000 milliseconds.
  void SetTime(std::int32_t value);

 private:
  TSeDirection direction_ = TSeDirection::kdNone;
  TkeEffect effect_ = TkeEffect::keFade;
  bool enabled_ = false;
  std::int32_t resolution_ = 1;
  std::int32_t tileCount_ = 1;
  std::int32_t time_ = 400;
};
