#pragma once

#include <string>

class TClassInfo;

// The root of the framework's class tree. Every class that streams or is created by name
// describes itself with a TClassInfo (name, parent, factory, published properties), so class
// names and ancestry come from the classes themselves, not from the compiler's RTTI.
// Classes declare theirs with QM_CLASS (framework/core/PropertyBuilder.h).
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& ancestor) const;
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClassInfo());
  }
};

// The object as a T when its class is T or descends from it, else null.
template <class T>
T* ObjectAs(TObject* object) {
  return object != nullptr && object->Is<T>() ? static_cast<T*>(object) : nullptr;
}
template <class T>
const T* ObjectAs(const TObject* object) {
  return object != nullptr && object->Is<T>() ? static_cast<const T*>(object) : nullptr;
}
