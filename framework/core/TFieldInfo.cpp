#include "framework/core/TFieldInfo.h"

#include "framework/core/TClassInfo.h"
#include "framework/core/TComponent.h"

void TFieldInfo::Set(TObject& instance, TComponent* component) const {
  if (component != nullptr && !component->InheritsFrom(fieldClass_())) component = nullptr;
  set_(instance, component);
}
