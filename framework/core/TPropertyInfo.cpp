#include "framework/core/TPropertyInfo.h"

#include "framework/core/TClassInfo.h"
#include "framework/core/TComponent.h"

bool TPropertyInfo::IsStored(const TObject& instance) const {
  if (storedRule_ == TStoredRule::srNever) return false;
  if (storedIf_ && !storedIf_(instance)) return false;
  switch (kind_) {
    case TPropertyKind::pkObject:
      return GetObject(instance) != nullptr;
    case TPropertyKind::pkReference:
      return GetReference(instance) != nullptr;
    case TPropertyKind::pkEvent:
      return !GetMethodName(instance).empty();
    default:
      break;
  }
  if (storedRule_ == TStoredRule::srAlways) return true;
  switch (kind_) {
    case TPropertyKind::pkString:
      return GetString(instance) != defaultString_;
    case TPropertyKind::pkWideString:
      return GetWideString(instance) != defaultWide_;
    default:
      return !defaultOrdinal_ || GetOrdinal(instance) != *defaultOrdinal_;
  }
}

bool TPropertyInfo::SetReference(TObject& instance, TComponent* value) const {
  if (value != nullptr && !value->InheritsFrom(*ObjectClass())) return false;
  setReference_(instance, value);
  return true;
}
