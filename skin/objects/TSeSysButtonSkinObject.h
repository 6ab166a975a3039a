#pragma once

#include <string>

#include "skin/objects/TSeBitmapSkinObject.h"
#include "skin/objects/TSeSystemButtonRules.h"

// The simpler caption button: normal, hover and down pictures, the same hiding and mouse rules
// as TSeSystemButton, and a roll-panel action that toggles a panel of its tree.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
  QM_CLASS(TSeSysButtonSkinObject, TSeBitmapSkinObject)

 public:
  explicit TSeSysButtonSkinObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSysButtonSkinObject>& p);

  TSeAction Action() const { return action_; }
  void SetAction(TSeAction value) { action_ = value; }
  TSeBitmapLink& BitmapHover() { return *bitmapHover_; }
  TSeBitmapLink& BitmapDown() { return *bitmapDown_; }
  const std::string& RollPanel() const { return rollPanel_; }
  void SetRollPanel(const std::string& value) { rollPanel_ = value; }
  std::uint8_t ButtonState() const { return tracker_.ButtonState; }

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
  void Perform(TSeSkinFormActions& form);

  TSeAction action_ = TSeAction::sbaNone;
  LinkPtr bitmapHover_;
  LinkPtr bitmapDown_;
  std::string rollPanel_;
  TSeSystemButtonRules::Tracker tracker_;
};
