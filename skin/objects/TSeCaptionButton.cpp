#include "skin/objects/TSeCaptionButton.h"

#include "skin/objects/TSeSkinObject.h"

std::optional<TSeBorderIcon> TSeCaptionButton::RequiredIcon(TSeAction action) {
  switch (action) {
    case TSeAction::sbaClose:
      return TSeBorderIcon::kbiClose;
    case TSeAction::sbaHelp:
      return TSeBorderIcon::kbiHelp;
    case TSeAction::sbaMinimize:
      return TSeBorderIcon::kbiMinimize;
    case TSeAction::sbaMaximize:
    case TSeAction::sbaRestore:
      return TSeBorderIcon::kbiMaximize;
    case TSeAction::sbaRollUp:
    case TSeAction::sbaRollDown:
      return TSeBorderIcon::kbiRollup;
    case TSeAction::sbaTray:
      return TSeBorderIcon::kbiTray;
    case TSeAction::sbaSysMenu:
      return TSeBorderIcon::kbiSystemMenu;
    default:
      return std::nullopt;
  }
}

bool TSeCaptionButton::VisibleIn(TSeAction action, TSeObjectState state, bool current) {
  using A = TSeAction;
  switch (state) {
    case TSeObjectState::osNormal:
      return action != A::sbaRestore && action != A::sbaRollDown;
    case TSeObjectState::osMaximized:
      return action != A::sbaMaximize && action != A::sbaRollDown;
    case TSeObjectState::osMinimized:
      return action != A::sbaMinimize && action != A::sbaMaximize && action != A::sbaRollUp &&
             action != A::sbaRollDown;
    case TSeObjectState::osRolledUp:
      return action != A::sbaRestore && action != A::sbaRollUp;
    default:
      return current;
  }
}

TSeObjectState TSeCaptionButton::Look() const {
  switch (state_) {
    case TSeButtonState::bsHot:
      return TSeObjectState::osHot;
    case TSeButtonState::bsDown:
      return TSeObjectState::osPressed;
    default:
      return TSeObjectState::osNormal;
  }
}

void TSeCaptionButton::ApplyWindowState(TSeObjectState state) {
  TSeSkinFormActions* form = button_.GetSkinForm();
  if (form == nullptr) return;
  bool visible = VisibleIn(action_, state, button_.Visible());
  if (auto icon = RequiredIcon(action_); icon && !form->HasBorderIcon(*icon)) visible = false;
  if (visible == button_.Visible()) return;
  button_.SetVisible(visible);
  if (TSeSkinObject* container = button_.ParentObject()) container->Realign();
}

bool TSeCaptionButton::DrawWindowIcon(TSeCanvas& canvas) {
  if (action_ != TSeAction::sbaSysMenu) return false;
  if (TSeObjectControl* control = button_.Control())
    control->DrawWindowIcon(canvas, button_.Left(), button_.Top());
  return true;
}

void TSeCaptionButton::MouseEnter() {
  state_ = lastShift_.Contains(ssLeft) ? TSeButtonState::bsDown : TSeButtonState::bsHot;
  button_.Invalidate();
}

void TSeCaptionButton::MouseLeave() {
  state_ = TSeButtonState::bsNormal;
  button_.Invalidate();
}

void TSeCaptionButton::MouseDown(TSeMouseButton button) {
  if (button != TSeMouseButton::mbLeft) return;
  state_ = TSeButtonState::bsDown;
  button_.Invalidate();
}

void TSeCaptionButton::MouseMove(TSeShiftState shift) {
  const bool staysDown = state_ == TSeButtonState::bsDown && shift.Contains(ssLeft);
  lastShift_ = shift;
  if (staysDown) {
    button_.Invalidate();
  } else if (TSeObjectControl* control = button_.Control()) {
    control->ActivateHint(control->ClientToScreen({button_.Left(), button_.Top()}));
  }
}

void TSeCaptionButton::MouseUp(TSeMouseButton button) {
  lastShift_ = {};
  if (state_ != TSeButtonState::bsDown || button != TSeMouseButton::mbLeft) return;
  state_ = TSeButtonState::bsHot;
  button_.Invalidate();
  if (TSeSkinFormActions* form = button_.GetSkinForm()) Perform(*form);
}

void TSeCaptionButton::DblClick(TSeMouseButton button) {
  if (button != TSeMouseButton::mbLeft || action_ != TSeAction::sbaSysMenu) return;
  if (TSeSkinFormActions* form = button_.GetSkinForm()) form->DoClose();
}

void TSeCaptionButton::Perform(TSeSkinFormActions& form) {
  switch (action_) {
    case TSeAction::sbaClose:
      form.DoClose();
      break;
    case TSeAction::sbaHelp:
      form.DoHelp();
      break;
    case TSeAction::sbaMinimize:
      form.DoMinimize();
      break;
    case TSeAction::sbaMaximize:
      form.DoMaximize();
      break;
    case TSeAction::sbaRestore:
    case TSeAction::sbaRollDown:
      form.DoRestore();
      break;
    case TSeAction::sbaRollUp:
      form.DoRollup();
      break;
    case TSeAction::sbaTray:
      form.DoMinimizeToTray();
      break;
    case TSeAction::sbaSysMenu:
      form.ShowSystemMenu();
      break;
    case TSeAction::sbaRollPanel:
      if (rollPanel_) rollPanel_();
      break;
    case TSeAction::sbaCustom:
      form.CustomAction(&button_);
      break;
    case TSeAction::sbaNone:
      break;
  }
}
