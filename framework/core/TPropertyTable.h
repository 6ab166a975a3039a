#pragma once

#include <memory>
#include <vector>

#include "framework/core/TFieldInfo.h"
#include "framework/core/TMethodInfo.h"
#include "framework/core/TPropertyInfo.h"

// The declarations of one class, in declaration order: published properties, published
// methods (event handlers a window definition may name) and published fields.
class TPropertyTable {
 public:
  const std::vector<std::unique_ptr<TPropertyInfo>>& Properties() const { return properties_; }
  const std::vector<std::unique_ptr<TMethodInfo>>& Methods() const { return methods_; }
  const std::vector<std::unique_ptr<TFieldInfo>>& Fields() const { return fields_; }

  TPropertyInfo& AddProperty() { return *properties_.emplace_back(new TPropertyInfo); }
  TMethodInfo& AddMethod() { return *methods_.emplace_back(new TMethodInfo); }
  TFieldInfo& AddField() { return *fields_.emplace_back(new TFieldInfo); }

 private:
  std::vector<std::unique_ptr<TPropertyInfo>> properties_;
  std::vector<std::unique_ptr<TMethodInfo>> methods_;
  std::vector<std::unique_ptr<TFieldInfo>> fields_;
};
