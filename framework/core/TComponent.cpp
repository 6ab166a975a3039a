#include "framework/core/TComponent.h"

#include <algorithm>

#include "framework/core/Exception.h"
#include "framework/core/TFieldInfo.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TextCase.h"

using namespace FrameworkMessages;

namespace {

void DeclareComponent(TPropertyTable& table) {
  TPropertyBuilder<TComponent> p(table);
  // The name is the record's object name; a "Name" property in a stream still renames.
  p.String("Name", &TComponent::Name, &TComponent::SetName).Never();
  p.Integer("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

}  // namespace

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClassInfo(),
                               PropertyDetail::FactoryOf<TComponent>(), &DeclareComponent);
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  NotifyFreeNotificationClients();
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::NotifyFreeNotificationClients() {
  // Each side of a free-notification link is told once, whichever goes first.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !TextCase::IsValidIdent(name))
    throw EComponentError(FormatText(SInvalidName, name));
  if (owner_ != nullptr) {
    owner_->ValidateRename(this, name_, name);
  } else {
    ValidateRename(nullptr, name_, name);
  }
  SetReference(false);
  name_ = name;
  SetReference(true);
}

TComponent* TComponent::Components(std::int32_t index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(FormatText(SListIndexError, std::to_string(index)));
  return components_[static_cast<std::size_t>(index)];
}

std::int32_t TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& list = owner_->components_;
  return static_cast<std::int32_t>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (TextCase::SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->owner_ == this) return;
  // An owner chain that loops would never finish destroying.
  for (const TComponent* c = this; c != nullptr; c = c->owner_)
    if (c == component) throw EComponentError("A component cannot own itself or one of its owners");
  ValidateRename(component, std::string(), component->name_);
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  Insert(component);
  component->SetReference(true);
  if (state_.Contains(TComponentStateFlag::csDesigning)) component->SetDesigning(true);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->owner_ != this) return;
  Notification(component, TOperation::opRemove);
  component->SetReference(false);
  Remove(component);
}

void TComponent::DestroyComponents() {
  // The last inserted goes first; its destructor removes it from this list.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;
    if (!components_.empty() && components_.back() == last) components_.pop_back();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  // Components of one owner already hear of each other through that owner.
  if (owner_ != nullptr && component->owner_ == owner_) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) != freeNotifies_.end())
    return;
  freeNotifies_.push_back(component);
  component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

void TComponent::SetDesigning(bool designing) {
  if (designing) {
    state_.Include(TComponentStateFlag::csDesigning);
  } else {
    state_.Exclude(TComponentStateFlag::csDesigning);
  }
  for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  if (root != this) return;
  for (TComponent* c : components_)
    if (!c->HasParent()) proc(c);
}

void TComponent::Loaded() {
  state_.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) RemoveFreeNotification(component);
  // From the last to the first, tolerating components that leave while being told.
  auto i = static_cast<std::ptrdiff_t>(components_.size()) - 1;
  while (i >= 0) {
    components_[static_cast<std::size_t>(i)]->Notification(component, operation);
    --i;
    if (i >= static_cast<std::ptrdiff_t>(components_.size()))
      i = static_cast<std::ptrdiff_t>(components_.size()) - 1;
  }
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) {
  if (component == nullptr || newName.empty() || TextCase::SameText(curName, newName)) return;
  if (TComponent* found = FindComponent(newName); found != nullptr && found != component)
    throw EComponentError(FormatText(SDuplicateName, newName));
}

void TComponent::Destroying() {
  if (state_.Contains(TComponentStateFlag::csDestroying)) return;
  state_.Include(TComponentStateFlag::csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::SetReference(bool enable) {
  if (owner_ == nullptr || name_.empty()) return;
  if (const TFieldInfo* field = owner_->ClassInfo().FindField(name_))
    field->Set(*owner_, enable ? this : nullptr);
}
