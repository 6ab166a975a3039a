#pragma once

#include <string>

#include "skin/objects/TSeBitmapSkinObject.h"
#include "skin/objects/TSeCaptionButton.h"

// The simpler caption button: normal, hover and down pictures, the same hiding and mouse rules
// as TSeSystemButton, and a roll-panel action that toggles a panel of its tree.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
  QM_CLASS(TSeSysButtonSkinObject, TSeBitmapSkinObject)

 public:
  explicit TSeSysButtonSkinObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSysButtonSkinObject>& p);

  TSeAction Action() const { return caption_.Action(); }
  void SetAction(TSeAction value) { caption_.SetAction(value); }
  TSeBitmapLink& BitmapHover() { return *bitmapHover_; }
  TSeBitmapLink& BitmapDown() { return *bitmapDown_; }
  const std::string& RollPanel() const { return rollPanel_; }
  void SetRollPanel(const std::string& value) { rollPanel_ = value; }
  TSeButtonState ButtonState() const { return caption_.State(); }

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
  void ToggleRollPanel();

  LinkPtr bitmapHover_;
  LinkPtr bitmapDown_;
  std::string rollPanel_;
  TSeCaptionButton caption_{*this};
};
