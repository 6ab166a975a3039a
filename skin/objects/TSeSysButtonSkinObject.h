#pragma once

#include <string>

#include "skin/objects/TSeBitmapSkinObject.h"
#include "skin/objects/TSeCaptionButtonObject.h"

// The simpler caption button: normal, hover and down pictures, the same hiding and mouse rules
// as TSeSystemButton, and a roll-panel action that toggles a panel of its tree.
class TSeSysButtonSkinObject : public TSeCaptionButtonObject<TSeBitmapSkinObject> {
  QM_CLASS(TSeSysButtonSkinObject, TSeBitmapSkinObject)

 public:
  explicit TSeSysButtonSkinObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSysButtonSkinObject>& p);

  TSeBitmapLink& BitmapHover() { return *bitmapHover_; }
  TSeBitmapLink& BitmapDown() { return *bitmapDown_; }
  const std::string& RollPanel() const { return rollPanel_; }
  void SetRollPanel(const std::string& value) { rollPanel_ = value; }

  void SetState(TSeObjectState state) override;
  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  void ToggleRollPanel();

  LinkPtr bitmapHover_;
  LinkPtr bitmapDown_;
  std::string rollPanel_;
};
