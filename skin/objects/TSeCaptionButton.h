#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeSkinFormActions.h"

class TSeSkinObject;

// How a caption button looks under the mouse.
enum class TSeButtonState : std::uint8_t { bsNormal, bsHot, bsDown };

// What the caption buttons of both families (TSeSystemButton, TSeSysButtonSkinObject) share:
// the action, hiding by window state and border icons, the system-menu icon, the mouse state
// and what a click performs. Each button holds one and hands it its mouse operations.
//
// A click needs press and release over the same button: leaving resets the state, so a release
// elsewhere performs nothing, and coming back with the left button held shows it down again.
class TSeCaptionButton {
 public:
  explicit TSeCaptionButton(TSeSkinObject& button) : button_(button) {}
  TSeCaptionButton(const TSeCaptionButton&) = delete;
  TSeCaptionButton& operator=(const TSeCaptionButton&) = delete;

  TSeAction Action() const { return action_; }
  void SetAction(TSeAction value) { action_ = value; }
  TSeButtonState State() const { return state_; }
  // The object state whose picture the mouse state shows: normal, hot or pressed.
  TSeObjectState Look() const;
  TSeShiftState LastShift() const { return lastShift_; }
  // What sbaRollPanel does; without one it does nothing.
  void SetRollPanelAction(std::function<void()> action) { rollPanel_ = std::move(action); }

  // Hides or shows the button for a window state and the frame's border icons. The buttons of
  // a container stack from its edge, so a change lays the container out again: a hidden button
  // leaves no gap and a shown one takes its place in the row.
  void ApplyWindowState(TSeObjectState state);
  // The system-menu button paints the window's icon instead of bitmaps; true when this button
  // is one (whether or not there was a window to take the icon from).
  bool DrawWindowIcon(TSeCanvas& canvas);

  void MouseEnter();
  void MouseLeave();
  void MouseDown(TSeMouseButton button);
  void MouseMove(TSeShiftState shift);
  void MouseUp(TSeMouseButton button);
  void DblClick(TSeMouseButton button);

 private:
  // The border icon without which a button of this action hides itself.
  static std::optional<TSeBorderIcon> RequiredIcon(TSeAction action);
  // Visibility after a window-state change; states that are not window states keep current.
  static bool VisibleIn(TSeAction action, TSeObjectState state, bool current);
  void Perform(TSeSkinFormActions& form);

  TSeSkinObject& button_;
  TSeAction action_ = TSeAction::sbaNone;
  TSeButtonState state_ = TSeButtonState::bsNormal;
  TSeShiftState lastShift_;
  std::function<void()> rollPanel_;
};
