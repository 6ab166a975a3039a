#include "framework/ui/TButton.h"

#include <cwctype>

#include "framework/ui/TCustomForm.h"

bool IsAccel(wchar_t character, const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return std::towupper(caption[i + 1]) == std::towupper(character);
  }
  return false;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents));
}

void TButton::DeclareProperties(TPropertyBuilder<TButton>& p) {
  p.Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  p.Boolean("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  p.Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SysClassName = L"BUTTON";
  params.WinClassName = L"QmButton";
  params.Style |= (active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  if (!HandleAllocated()) {
    active_ = value;
    return;
  }
  // Every button of the form recomputes whether Enter is its own.
  if (TCustomForm* form = ParentForm())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TButton::SetButtonStyle(bool makeDefault) {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), BM_SETSTYLE, makeDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
  if (active != active_) {
    active_ = active;
    SetButtonStyle(active);
  }
  InheritedMessage<TButton>(message);
}

void TButton::Click() {
  if (modalResult_ != 0) {
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == BN_CLICKED) Click();
}

void TButton::CMDialogKey(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  const bool modifiers =
      GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || (message.LParam & (1 << 29)) != 0;
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && !modifiers &&
      CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage<TButton>(message);
}

void TButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage<TButton>(message);
}
