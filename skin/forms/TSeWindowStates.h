#pragma once

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

class TSeWindowStateHost;

// The frame's own window states (normal, maximized, minimized, rolled up, in the tray): which
// state follows which, and the bounds each one restores to. The system's idea of the window's
// state is never consulted, so WindowState always shows the frame's view.
class TSeWindowStates {
 public:
  explicit TSeWindowStates(TSeWindowStateHost& host) : host_(host) {}

  TSeWindowState WindowState() const { return state_; }
  TSeWindowState PreviousState() const { return previous_; }
  const TRect& NormalBounds() const { return normalBounds_; }
  // Minimizing and the tray act on the whole application (the default outside MDI).
  void SetMinimizeApplication(bool value) { minimizeApplication_ = value; }

  // Each toggles: acting in its own state restores.
  void DoMaximize();
  void DoMinimize();
  void DoRollup();
  void DoMinimizeToTray();
  void DoRestore();
  // Runs the action that leads to target; the current state does nothing.
  void SetWindowState(TSeWindowState target);
  // A state loaded from a window definition, applied once the window exists; normalBounds are
  // the stored bounds (the window waits off-screen for all states but rolled up).
  void ApplyPendingState(TSeWindowState target, const TRect& normalBounds);

 private:
  // Leaving the normal state is the only time the normal bounds are taken from the window:
  // any other state's bounds (maximized, rolled up, hidden in the tray) are not normal ones.
  // Leaves the current state for target, or restores when already there (false).
  bool Enter(TSeWindowState target);
  void SaveNormalBounds(TSeWindowState target);
  void ReturnToNormal();

  TSeWindowStateHost& host_;
  TSeWindowState state_ = TSeWindowState::kwsNormal;
  TSeWindowState previous_ = TSeWindowState::kwsNormal;
  TRect normalBounds_;
  bool minimizeApplication_ = true;
  bool pending_ = false;
};
