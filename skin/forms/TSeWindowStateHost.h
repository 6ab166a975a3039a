#pragma once

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

// What the window-state machine needs from the window: its bounds, the rectangles of the
// states for its current frame, the user's veto, and the platform's hiding and showing.
class TSeWindowStateHost {
 public:
  virtual ~TSeWindowStateHost() = default;
  virtual TRect WindowBounds() const = 0;
  // Sets the bounds and lets the window repaint.
  virtual void SetWindowBounds(const TRect& bounds) = 0;
  virtual TRect MaximizedRect() const = 0;
  virtual TRect MinimizedRect() const = 0;
  virtual TRect RollupRect() const = 0;
  // The action's event (OnMaximize, OnMinimize, OnRollup, OnMinToTray); False cancels.
  virtual bool CallDefault(TSeWindowState target) = 0;
  // Modal windows neither minimize nor go to the tray.
  virtual bool IsModal() const = 0;
  virtual void MinimizeApplication() = 0;
  // Hides the window (or the application) and adds the tray icon; the reverse.
  virtual void HideToTray() = 0;
  virtual void ShowFromTray() = 0;
};
