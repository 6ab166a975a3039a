#include "framework/core/TObject.h"

#include "framework/core/TClassInfo.h"

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr, nullptr, nullptr);
  return info;
}

const std::string& TObject::ClassName() const {
  return ClassInfo().Name();
}

bool TObject::InheritsFrom(const TClassInfo& ancestor) const {
  return ClassInfo().InheritsFrom(ancestor);
}
