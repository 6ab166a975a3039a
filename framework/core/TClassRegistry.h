#pragma once

#include <string_view>
#include <vector>

#include "framework/core/TClassInfo.h"

// Classes that streams may create by name. Lookups compare names exactly (case-sensitive);
// registering a second class under a name already taken changes nothing, so the first
// registered wins. The global registry serves window definitions; a subsystem that resolves
// names against its own list (the skin object classes) keeps its own instance.
class TClassRegistry {
 public:
  static TClassRegistry& Global();

  void Register(const TClassInfo& info);
  template <class T>
  void Register() {
    Register(T::StaticClassInfo());
  }
  // Null when no class of that name is registered.
  const TClassInfo* Get(std::string_view name) const;
  // Raises EClassNotFound ("Class %s not found") when no class of that name is registered.
  const TClassInfo& Find(std::string_view name) const;
  const std::vector<const TClassInfo*>& Classes() const { return classes_; }

 private:
  std::vector<const TClassInfo*> classes_;
};
