#pragma once

#include <windows.h>

#include "skin/engine/TSeChangeBroadcaster.h"

class TControl;

// The program's broadcaster: every form of the screen's list in order, each with all its
// controls, and the pending messages run after each form so that windows repaint between them.
// A top-level form gets the message through its window, where the frame's hooks see it; every
// other control through its own dispatch.
class TSeScreenBroadcaster final : public TSeChangeBroadcaster {
 public:
  void Broadcast(std::uint32_t message, TSeSkinEngine& engine) override;

  // The control first, then its children in child order, recursively.
  static void Deliver(TControl& control, UINT message, WPARAM wParam, LPARAM lParam);
};
