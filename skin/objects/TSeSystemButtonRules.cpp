#include "skin/objects/TSeSystemButtonRules.h"

std::optional<TSeBorderIcon> TSeSystemButtonRules::RequiredIcon(TSeAction action) {
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

bool TSeSystemButtonRules::VisibleIn(TSeAction action, TSeObjectState state, bool current) {
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

void TSeSystemButtonRules::Perform(TSeAction action, TSeSkinFormActions& form,
                                   TSeSkinObject* button) {
  switch (action) {
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
    case TSeAction::sbaCustom:
      form.CustomAction(button);
      break;
    default:
      break;
  }
}

bool TSeSystemButtonRules::Tracker::Down(TSeMouseButton button) {
  if (button != TSeMouseButton::mbLeft) return false;
  ButtonState = 2;
  return true;
}

bool TSeSystemButtonRules::Tracker::Move(TSeShiftState shift) {
  const bool staysDown = ButtonState == 2 && shift.Contains(ssLeft);
  LastShift = shift;
  return staysDown;
}

bool TSeSystemButtonRules::Tracker::Up(TSeMouseButton button) {
  LastShift = {};
  if (ButtonState != 2 || button != TSeMouseButton::mbLeft) return false;
  ButtonState = 1;
  return true;
}
