#include "framework/core/TClassInfo.h"

#include "framework/core/TFieldInfo.h"
#include "framework/core/TMethodInfo.h"
#include "framework/core/TPropertyTable.h"
#include "framework/core/TextCase.h"

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TFactory factory,
                       TDeclare declare)
    : name_(std::move(name)), parent_(parent), factory_(factory), declare_(declare) {}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    if (c == &ancestor) return true;
  return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
  return factory_ != nullptr ? factory_(owner) : nullptr;
}

const TPropertyTable& TClassInfo::OwnTable() const {
  if (!table_) {
    auto table = std::make_unique<TPropertyTable>();
    if (declare_ != nullptr) declare_(*table);
    table_ = std::move(table);
  }
  return *table_;
}

std::vector<const TPropertyInfo*> TClassInfo::Properties() const {
  std::vector<const TPropertyInfo*> out;
  if (parent_ != nullptr) out = parent_->Properties();
  for (const auto& p : OwnTable().Properties()) out.push_back(p.get());
  return out;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    for (const auto& p : c->OwnTable().Properties())
      if (TextCase::SameText(p->Name(), name)) return p.get();
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    for (const auto& m : c->OwnTable().Methods())
      if (TextCase::SameText(m->Name(), name)) return m.get();
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    for (const auto& f : c->OwnTable().Fields())
      if (TextCase::SameText(f->Name(), name)) return f.get();
  return nullptr;
}
