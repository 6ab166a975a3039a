#pragma once

// The program's application object: the message loop, the main form, the hidden utility window,
// mouse enter/leave tracking across controls, and the one place exceptions end. Every entry
// point from the platform (window procedures, timers, hooks, COM callbacks) runs through
// GuardCallback, whose handler the application registers: HandleException, then the message
// loop goes on.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"
#include "framework/ui/TIcon.h"

class TControl;
class TCustomForm;
class THintWindow;

class TApplication : public TComponent {
  QM_CLASS(TApplication, TComponent)

 public:
  static void DeclareProperties(TPropertyBuilder<TApplication>&) {}
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize();
  // Creates a form of type T owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    AddForm(form);
    return form;
  }
  void AddForm(TCustomForm* form);
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  // Waits for one message and handles it (one step of the loop).
  void HandleMessage();
  // Translates and dispatches one message, after the framework's key handling.
  void DispatchOne(MSG& msg);
  bool IsDialogKeyMessage(MSG& msg);

  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }
  HWND Handle();
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& value);
  TIcon& Icon() { return icon_; }

  std::function<void(TApplication* sender)> OnMinimize;
  std::function<void(TApplication* sender)> OnRestore;
  void Minimize();
  void Restore();

  // Exceptions that reached the top of an entry point. OnException replaces the default
  // handling, which shows the error box.
  std::function<void(TApplication* sender, const std::exception& error)> OnException;
  void HandleException(std::exception_ptr error);
  void ShowException(const std::string& message);
  // How the error box is shown: a modal message box by default, replaceable so that tests
  // observe it without a modal loop.
  std::function<void(const std::wstring& title, const std::wstring& text)> ShowErrorBox;

  // Hints: a tooltip-like window showing a control's Hint.
  THintWindow* HintWindow();
  void ActivateHint(TControl* control, POINT screenPoint);
  void CancelHint();

  // The control under the mouse; moving it sends CM_MOUSELEAVE and CM_MOUSEENTER.
  TControl* MouseControl() const { return mouseControl_; }
  void SetMouseControl(TControl* control);
  // Controls going away must not be left as the mouse or hint control.
  void ControlRemoved(TControl* control);
  void ControlDestroyed(TControl* control);

 private:
  void Idle();

  bool terminated_ = false;
  TCustomForm* mainForm_ = nullptr;
  Handles::Window handle_;
  std::wstring title_;
  TIcon icon_;
  TControl* mouseControl_ = nullptr;
  TControl* hintControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
};

// The program's one application object.
extern TApplication* Application;
