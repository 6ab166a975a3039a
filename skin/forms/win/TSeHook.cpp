#include "skin/forms/win/TSeHook.h"

#include "framework/ui/TCustomForm.h"
#include "framework/ui/TWinControl.h"
#include "skin/SkinMessages.h"
#include "skin/forms/win/TControlHook.h"
#include "skin/forms/win/THookList.h"

TSeHook::TSeHook(TComponent* owner) : TComponent(owner) {}

TSeHook::~TSeHook() {
  SetControl(nullptr);
}

void TSeHook::DeclareProperties(TPropertyBuilder<TSeHook>& p) {
  p.Boolean("Active", &TSeHook::Active, &TSeHook::SetActive).Default(true);
}

void TSeHook::SetActive(bool value) {
  if (value == active_) return;
  if (value)
    Register();
  else
    Unregister();
}

void TSeHook::SetControl(TWinControl* control) {
  if (control == control_) return;
  const bool wasActive = active_;
  TControlHook* old = hook_;
  Unregister();
  if (control_) control_->RemoveFreeNotification(this);
  control_ = control;
  if (control_) control_->FreeNotification(this);
  if (old && old->Clients().empty())
    if (THookList* list = THookList::Existing(); list && list->Contains(old))
      list->Post(SE_FREEHOOK, old);
  if (wasActive) Register();
}

TCustomForm* TSeHook::Form() const {
  auto* form = dynamic_cast<TCustomForm*>(control_);
  return form && !form->Parent() ? form : nullptr;
}

HWND TSeHook::Handle() const {
  return control_ ? control_->Handle() : nullptr;
}

void TSeHook::Register() {
  if (control_ && !ComponentState().Contains(TComponentStateFlag::csDestroying))
    THookList::Instance().GetHook(control_)->AddHook(this);
  active_ = true;
}

void TSeHook::Unregister() {
  if (hook_) hook_->RemoveHook(this);
  active_ = false;
}

void TSeHook::BeforeMessage(TMessage& message, bool& handled) {
  handled_ = handled;
  Dispatch(message);
  handled = handled_;
}

void TSeHook::AfterMessage(TMessage&, bool&) {}

void TSeHook::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == control_) {
    // The window goes with its control: keep the wish to be active for the next control.
    const bool wasActive = active_;
    SetControl(nullptr);
    active_ = wasActive;
  }
}
