#pragma once

#include "skin/objects/TSeActiveBitmap.h"
#include "skin/objects/TSeCaptionButtonObject.h"

// A caption button of the window frame: normal, active, hot and pressed pictures, hidden by
// window state and border icons, performing its Action on the frame when clicked.
class TSeSystemButton : public TSeCaptionButtonObject<TSeActiveBitmap> {
  QM_CLASS(TSeSystemButton, TSeActiveBitmap)

 public:
  explicit TSeSystemButton(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSystemButton>& p);

  TSeBitmapLink& BitmapHot() { return *bitmapHot_; }
  TSeBitmapLink& BitmapPressed() { return *bitmapPressed_; }

  void SetState(TSeObjectState state) override;
  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr bitmapHot_;
  LinkPtr bitmapPressed_;
};
