#pragma once

// The platform's push button as a component: click on release, Default (Enter) and Cancel
// (Escape) roles within its form, accelerator from its caption, ModalResult for modal forms.

#include "framework/ui/TWinControl.h"

class TButton : public TWinControl {
  QM_CLASS(TButton, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TButton, TWinControl,
    QM_MESSAGE(CN_COMMAND, CNCommand)
    QM_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    QM_MESSAGE(CM_FOCUSCHANGED, CMFocusChanged))
  // clang-format on

 public:
  explicit TButton(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TButton>& p);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }
  // Enter presses this button now: it has the focus, or it is the default and no other button
  // has.
  bool ActiveDefault() const { return active_; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CNCommand(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);

 private:
  void SetButtonStyle(bool makeDefault);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  int modalResult_ = 0;
};

// True when the character is the accelerator of the caption (the letter after a single '&').
bool IsAccel(wchar_t character, const std::wstring& caption);
