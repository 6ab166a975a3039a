#pragma once

#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeCaptionButton.h"

// A caption button of the window frame: normal, active, hot and pressed pictures, hidden by
// window state and border icons, performing its Action on the frame when clicked.
class TSeSystemButton : public TSeActiveBitmap {
  QM_CLASS(TSeSystemButton, TSeActiveBitmap)

 public:
  explicit TSeSystemButton(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSystemButton>& p);

  TSeAction Action() const { return caption_.Action(); }
  void SetAction(TSeAction value) { caption_.SetAction(value); }
  TSeBitmapLink& BitmapHot() { return *bitmapHot_; }
  TSeBitmapLink& BitmapPressed() { return *bitmapPressed_; }
  TSeButtonState ButtonState() const { return caption_.State(); }
  TSeShiftState LastShift() const { return caption_.LastShift(); }

  void SetState(TSeObjectState state) override;
  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void MouseEnter() override { caption_.MouseEnter(); }
  void MouseLeave() override { caption_.MouseLeave(); }
  void MouseDown(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.MouseDown(button);
  }
  void MouseMove(TSeShiftState shift, std::int32_t, std::int32_t) override {
    caption_.MouseMove(shift);
  }
  void MouseUp(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.MouseUp(button);
  }
  void DblClick(TSeMouseButton button, std::int32_t, std::int32_t) override {
    caption_.DblClick(button);
  }
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr bitmapHot_;
  LinkPtr bitmapPressed_;
  TSeCaptionButton caption_{*this};
};
