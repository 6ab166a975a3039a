#pragma once

#include <windows.h>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/ui/Messages.h"

class TControlHook;
class TCustomForm;
class TWinControl;

// A component that stands in front of its control's window procedure without changing the
// window's class. Every hook on one window shares that window's record (TControlHook); the
// record offers each message to its hooks before the window and again after it. A hook answers
// through its own message table (BeforeMessage) and marks what the window must not see.
class TSeHook : public TComponent, public TMessageDispatcher {
  QM_CLASS(TSeHook, TComponent)

 public:
  explicit TSeHook(TComponent* owner);
  ~TSeHook() override;
  static void DeclareProperties(TPropertyBuilder<TSeHook>& p);

  // Registered with the control's record while true.
  bool Active() const { return active_; }
  void SetActive(bool value);
  TWinControl* Control() const { return control_; }
  // Moves the hook to another control (none: unhooked); the old record is freed later, once
  // it has no hooks left.
  void SetControl(TWinControl* control);
  // The control when it is a top-level form, else none.
  TCustomForm* Form() const;
  // The control's window, created on demand; none without a control.
  HWND Handle() const;

  // Before the window: the message goes to this hook's message table. handled comes in as the
  // current state and goes out as the hook left it.
  virtual void BeforeMessage(TMessage& message, bool& handled);
  // After the window has answered.
  virtual void AfterMessage(TMessage& message, bool& handled);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // A handler marks its message so that the window, the after-pass and earlier hooks skip it.
  void SetHandled(bool value) { handled_ = value; }
  bool Handled() const { return handled_; }

 private:
  friend class TControlHook;
  void Register();
  void Unregister();

  TWinControl* control_ = nullptr;
  TControlHook* hook_ = nullptr;
  bool active_ = false;
  bool handled_ = false;
};
