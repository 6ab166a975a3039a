#include "framework/core/TClassRegistry.h"

#include "framework/core/Exception.h"

TClassRegistry& TClassRegistry::Global() {
  static TClassRegistry registry;
  return registry;
}

void TClassRegistry::Register(const TClassInfo& info) {
  if (Get(info.Name()) == nullptr) classes_.push_back(&info);
}

const TClassInfo* TClassRegistry::Get(std::string_view name) const {
  for (const TClassInfo* c : classes_)
    if (c->Name() == name) return c;
  return nullptr;
}

const TClassInfo& TClassRegistry::Find(std::string_view name) const {
  if (const TClassInfo* c = Get(name)) return *c;
  throw EClassNotFound(FormatText(FrameworkMessages::SClassNotFound, std::string(name)));
}
