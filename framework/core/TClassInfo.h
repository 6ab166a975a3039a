#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include "framework/core/TFieldInfo.h"
#include "framework/core/TMethodInfo.h"

class TComponent;
class TPropertyTable;
class TPropertyInfo;
class TMethodInfo;
class TFieldInfo;

// What a class says about itself: its name, its parent, how to create it with an owner (for
// component classes that are not abstract), and its own published properties, methods and
// fields. The property table is built on first use from the class's DeclareProperties, so
// tables may name classes whose descriptions are not built yet.
class TClassInfo {
 public:
  using TFactory = TComponent* (*)(TComponent* owner);
  using TDeclare = void (*)(TPropertyTable& table);

  TClassInfo(std::string name, const TClassInfo* parent, TFactory factory, TDeclare declare);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;
  ~TClassInfo();

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& ancestor) const;

  bool CanCreate() const { return factory_ != nullptr; }
  // A new instance owned by owner; null for abstract classes and classes that are not
  // components.
  TComponent* Create(TComponent* owner) const;

  // This class's own declarations, in declaration order.
  const TPropertyTable& OwnTable() const;
  // Every published property, base class first, each class in declaration order.
  std::vector<const TPropertyInfo*> Properties() const;
  // Lookups by name ignoring ASCII case, most derived class first.
  const TPropertyInfo* FindProperty(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;

 private:
  std::string name_;
  const TClassInfo* parent_;
  TFactory factory_;
  TDeclare declare_;
  mutable std::unique_ptr<TPropertyTable> table_;
};
