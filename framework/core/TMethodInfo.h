#pragma once

#include <any>
#include <functional>
#include <string>

class TObject;
class TComponent;
class TClassInfo;

// A method that a class (a form) publishes so that events in its window definition can name
// it. Bind yields the method bound to an instance, as the std::function of its signature.
class TMethodInfo {
 public:
  const std::string& Name() const { return name_; }
  std::any Bind(TObject& instance) const { return bind_(instance); }

 private:
  template <class C>
  friend class TPropertyBuilder;
  std::string name_;
  std::function<std::any(TObject&)> bind_;
};
