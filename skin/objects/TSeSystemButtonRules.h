#pragma once

#include <cstdint>
#include <optional>

#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeSkinFormActions.h"

// What caption buttons of both families share: which window states and border icons hide
// them, what a click performs, and the mouse state machine (0 normal, 1 hot, 2 down).
class TSeSystemButtonRules {
 public:
  // The border icon without which a button of this action hides itself.
  static std::optional<TSeBorderIcon> RequiredIcon(TSeAction action);
  // Visibility after a window-state change; states that are not window states keep current.
  static bool VisibleIn(TSeAction action, TSeObjectState state, bool current);
  // Performs the click of a button; sbaRollPanel is its owner's business.
  static void Perform(TSeAction action, TSeSkinFormActions& form, TSeSkinObject* button);

  struct Tracker {
    std::uint8_t ButtonState = 0;
    TSeShiftState LastShift;

    void Enter() { ButtonState = LastShift.Contains(ssLeft) ? 2 : 1; }
    void Leave() { ButtonState = 0; }
    // True when the press took the button down.
    bool Down(TSeMouseButton button);
    // True when the button stays down under a held left button; false asks for the hint.
    bool Move(TSeShiftState shift);
    // True when the release completes a click.
    bool Up(TSeMouseButton button);
  };
};
