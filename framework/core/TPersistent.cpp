#include "framework/core/TPersistent.h"

#include "framework/core/Exception.h"
#include "framework/core/TClassInfo.h"

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", &TObject::StaticClassInfo(), nullptr, nullptr);
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignTo(TPersistent* dest) const {
  dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
  throw EConvertError(FormatText(FrameworkMessages::SAssignError,
                                 source != nullptr ? source->ClassName() : "nil", ClassName()));
}
