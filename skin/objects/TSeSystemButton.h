#pragma once

#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeSystemButtonRules.h"

// A caption button of the window frame: normal, active, hot and pressed pictures, hidden by
// window state and border icons, performing its Action on the frame when clicked.
class TSeSystemButton : public TSeActiveBitmap {
  QM_CLASS(TSeSystemButton, TSeActiveBitmap)

 public:
  explicit TSeSystemButton(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSystemButton>& p);

  TSeAction Action() const { return action_; }
  void SetAction(TSeAction value) { action_ = value; }
  TSeBitmapLink& BitmapHot() { return *bitmapHot_; }
  TSeBitmapLink& BitmapPressed() { return *bitmapPressed_; }
  std::uint8_t ButtonState() const { return tracker_.ButtonState; }
  TSeShiftState LastShift() const { return tracker_.LastShift; }

  void SetState(TSeObjectState state) override;
  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TSeMouseButton button, std::int32_t x, std::int32_t y) override;
  void MouseMove(TSeShiftState shift, std::int32_t x, std::int32_t y) override;
  void MouseUp(TSeMouseButton button, std::int32_t x, std::int32_t y) override;
  void DblClick(TSeMouseButton button, std::int32_t x, std::int32_t y) override;
  void Assign(const TPersistent* source) override;

 private:
  void DrawInState(TSeCanvas& canvas, LinkPtr& picture, TSeObjectState childState);

  TSeAction action_ = TSeAction::sbaNone;
  LinkPtr bitmapHot_;
  LinkPtr bitmapPressed_;
  TSeSystemButtonRules::Tracker tracker_;
};
