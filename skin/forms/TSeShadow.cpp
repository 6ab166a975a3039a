#include "skin/forms/TSeShadow.h"

#include <algorithm>

void TSeShadow::DeclareProperties(TPropertyBuilder<TSeShadow>& p) {
  p.Boolean("Enabled", &TSeShadow::Enabled, &TSeShadow::SetEnabled).Default(false);
  p.Integer("Size", &TSeShadow::Size, &TSeShadow::SetSize).Default(4);
}

void TSeShadow::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeShadow>(source)) {
    enabled_ = other->enabled_;
    size_ = other->size_;
    Changed();
    return;
  }
  Inherited::Assign(source);
}

void TSeShadow::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TSeShadow::SetSize(std::int32_t value) {
  value = std::min(value, 20);
  const bool enabled = value > 0 && enabled_;
  if (value == size_ && enabled == enabled_) return;
  size_ = value;
  enabled_ = enabled;
  Changed();
}

void TSeShadow::Changed() const {
  if (ownerNotify_) ownerNotify_();
}
