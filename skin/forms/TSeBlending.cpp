#include "skin/forms/TSeBlending.h"

#include <algorithm>

void TSeBlending::DeclareProperties(TPropertyBuilder<TSeBlending>& p) {
  p.Boolean("Enabled", &TSeBlending::Enabled, &TSeBlending::SetEnabled).Default(false);
  p.Integer("Value", &TSeBlending::Value, &TSeBlending::SetValue).Default(150);
}

void TSeBlending::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeBlending>(source)) {
    enabled_ = other->enabled_;
    value_ = other->value_;
    Changed();
    return;
  }
  Inherited::Assign(source);
}

void TSeBlending::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TSeBlending::SetValue(std::int32_t value) {
  value = std::clamp(value, 0, 255);
  if (value == value_) return;
  value_ = value;
  Changed();
}

void TSeBlending::Changed() const {
  if (ownerNotify_) ownerNotify_();
}
