#include "skin/forms/TSeWindowStates.h"

#include "framework/core/ScopeGuard.h"
#include "skin/forms/TSeWindowStateHost.h"

using S = TSeWindowState;

void TSeWindowStates::SaveNormalBounds(TSeWindowState target) {
  if (previous_ != S::kwsNormal) return;
  // A pending state other than rolled up starts off-screen; its normal bounds are given.
  if (pending_ && target != S::kwsRollup) return;
  normalBounds_ = host_.WindowBounds();
}

bool TSeWindowStates::Enter(TSeWindowState target) {
  // The command of the state the window is in takes it back instead.
  if (state_ == target) {
    DoRestore();
    return false;
  }
  previous_ = state_;
  SaveNormalBounds(target);
  state_ = target;
  return true;
}

void TSeWindowStates::ReturnToNormal() {
  state_ = S::kwsNormal;
  host_.SetWindowBounds(normalBounds_);
}

void TSeWindowStates::DoMaximize() {
  if (!host_.CallDefault(S::kwsMaximized) || !Enter(S::kwsMaximized)) return;
  host_.SetWindowBounds(host_.MaximizedRect());
}

void TSeWindowStates::DoMinimize() {
  if (!host_.CallDefault(S::kwsMinimized) || host_.IsModal() || !Enter(S::kwsMinimized)) return;
  if (minimizeApplication_) {
    host_.MinimizeApplication();
  } else {
    host_.SetWindowBounds(host_.MinimizedRect());
  }
}

void TSeWindowStates::DoRollup() {
  if (!host_.CallDefault(S::kwsRollup) || !Enter(S::kwsRollup)) return;
  host_.SetWindowBounds(host_.RollupRect());
}

void TSeWindowStates::DoMinimizeToTray() {
  if (!host_.CallDefault(S::kwsTray) || host_.IsModal() || !Enter(S::kwsTray)) return;
  host_.HideToTray();
}

void TSeWindowStates::DoRestore() {
  switch (state_) {
    case S::kwsNormal:
      host_.SetWindowBounds(normalBounds_);
      return;
    case S::kwsMaximized:
      if (previous_ == S::kwsMinimized) {
        // The application's restore brings the window back; nothing to do here then.
        if (minimizeApplication_) return;
        ReturnToNormal();
        DoMaximize();
      } else if (previous_ == S::kwsRollup) {
        ReturnToNormal();
        DoRollup();
      } else {
        previous_ = S::kwsMaximized;
        ReturnToNormal();
        return;
      }
      break;
    case S::kwsMinimized:
      if (previous_ == S::kwsMaximized) {
        DoMaximize();
      } else if (previous_ == S::kwsRollup) {
        DoRollup();
      } else {
        ReturnToNormal();
        return;
      }
      break;
    case S::kwsRollup: {
      const TRect bounds = host_.WindowBounds();
      if (RectWidth(host_.MaximizedRect()) == RectWidth(bounds) || previous_ == S::kwsMaximized) {
        DoMaximize();
        break;
      }
      // Back to the normal size where the rolled-up window now stands.
      state_ = S::kwsNormal;
      host_.SetWindowBounds(
          Bounds(bounds.Left, bounds.Top, RectWidth(normalBounds_), RectHeight(normalBounds_)));
      return;
    }
    case S::kwsTray: {
      host_.ShowFromTray();
      // The state before the tray comes back; its normal bounds were kept meanwhile.
      if (previous_ == S::kwsMaximized) {
        DoMaximize();
      } else if (previous_ == S::kwsRollup) {
        DoRollup();
      } else {
        ReturnToNormal();
      }
      break;
    }
  }
  previous_ = S::kwsNormal;
}

void TSeWindowStates::SetWindowState(TSeWindowState target) {
  if (target == state_) return;
  switch (target) {
    case S::kwsNormal:
      DoRestore();
      break;
    case S::kwsMaximized:
      DoMaximize();
      break;
    case S::kwsMinimized:
      DoMinimize();
      break;
    case S::kwsRollup:
      DoRollup();
      break;
    case S::kwsTray:
      DoMinimizeToTray();
      break;
  }
}

void TSeWindowStates::ApplyPendingState(TSeWindowState target, const TRect& normalBounds) {
  if (target != S::kwsRollup) normalBounds_ = normalBounds;
  pending_ = true;
  ScopeGuard done([this] { pending_ = false; });
  SetWindowState(target);
}
