#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/TPersistent.h"
#include "framework/core/TSet.h"

enum class TOperation { opInsert, opRemove };

enum class TComponentStateFlag {
  csLoading,     // from creation by a reader until its Loaded
  csReading,     // while its properties are being read
  csWriting,     // while it is being written
  csDestroying,  // from the start of its destruction
  csDesigning,   // edited in a designer; passed on to the components it owns
};
using TComponentState = TSet<TComponentStateFlag>;

// A persistent object with a name, an owner and the components it owns.
//
// Ownership: an owner keeps its components in insertion order and destroys them with itself,
// the last inserted first; every component still owned is told (opRemove) of each one that
// goes. Destroying a component that has an owner removes it from its owner. A component is
// created with `new T(owner)`; one without an owner is the caller's to delete.
//
// Names are empty or identifiers (letters, digits, '_', not starting with a digit) and are
// unique among the owner's components ignoring case: "'%s' is not a valid component name",
// "A component named %s already exists" (EComponentError).
//
// Notification(component, operation) reaches a component's owner when a component is inserted
// into or removed from it, and the owner passes it on to every component it owns. Components
// with different owners that refer to each other ask for FreeNotification, which works both
// ways: whichever is destroyed first tells the other (opRemove), and both links go.
//
// C++ destroys the derived parts of a component before ~TComponent runs; a class whose owned
// components must go while its own members still exist calls DestroyComponents() in its own
// destructor, and one whose free-notification clients may still ask it something when told
// calls NotifyFreeNotificationClients() there.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  TComponent* Owner() const { return owner_; }
  std::int32_t ComponentCount() const { return static_cast<std::int32_t>(components_.size()); }
  // Raises EListError ("List index out of bounds (%d)") for an index outside the list.
  TComponent* Components(std::int32_t index) const;
  // The position in the owner's list, or -1 without an owner.
  std::int32_t ComponentIndex() const;
  // The owned component of that name (ignoring case), or null.
  TComponent* FindComponent(std::string_view name) const;

  // Takes over a component that has no owner (its name must be unique here).
  void InsertComponent(TComponent* component);
  // Gives up a component without destroying it; it then has no owner.
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  TComponentState ComponentState() const { return state_; }
  void SetDesigning(bool designing);

  // Streaming hooks for the window-definition layer. GetChildren names the components written
  // in this component's child list when root is being written; by default the root lists the
  // components it owns that have no parent component, and others list nothing. Controls list
  // their child controls. When a child list is read, GetChildOwner gives the owner of the
  // created components (null: the root) and each created component gets
  // SetParentComponent(GetChildParent()).
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* parent) { (void)parent; }

  // Called once by the reader after the whole definition was read, references resolved and
  // events bound; the base clears csLoading.
  virtual void Loaded();
  virtual void Notification(TComponent* component, TOperation operation);

 protected:
  // Raises when newName may not replace curName for component, owned by this one.
  virtual void ValidateRename(TComponent* component, const std::string& curName,
                              const std::string& newName);
  // Marks this component and everything it owns csDestroying.
  void Destroying();
  // Tells every component linked to this one by FreeNotification that this one goes (opRemove)
  // and drops the links, each side once. ~TComponent does it for links still left.
  void NotifyFreeNotificationClients();

 private:
  friend class TReader;
  friend class TWriter;

  void Insert(TComponent* component);
  void Remove(TComponent* component);
  // Points the owner's published field of this name at this component (or clears it).
  void SetReference(bool enable);
  void IncludeState(TComponentStateFlag flag) { state_.Include(flag); }
  void ExcludeState(TComponentStateFlag flag) { state_.Exclude(flag); }

  std::string name_;
  std::int32_t tag_ = 0;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};
