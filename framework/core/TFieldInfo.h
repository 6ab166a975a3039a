#pragma once

#include <any>
#include <functional>
#include <string>

class TObject;
class TComponent;
class TClassInfo;

// A member pointer of a class (a form) that tracks the owned component of the same name: set
// when a component of that name (and of the field's class) is inserted or renamed, cleared
// when it goes.
class TFieldInfo {
 public:
  const std::string& Name() const { return name_; }
  // Sets the field to the component, or to null when the component is null or of another
  // class.
  void Set(TObject& instance, TComponent* component) const;

 private:
  template <class C>
  friend class TPropertyBuilder;
  std::string name_;
  const TClassInfo& (*fieldClass_)() = nullptr;
  std::function<void(TObject&, TComponent*)> set_;
};
