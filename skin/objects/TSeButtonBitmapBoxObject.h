#pragma once

#include "skin/objects/TSeBitmapBoxObject.h"

// A bitmap box with one picture per state, chosen as for button objects.
class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
  QM_CLASS(TSeButtonBitmapBoxObject, TSeBitmapBoxObject)

 public:
  explicit TSeButtonBitmapBoxObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeButtonBitmapBoxObject>& p);

  SkinSeam::BitmapLink& HotBitmap() { return *hotBitmap_; }
  SkinSeam::BitmapLink& FocusedBitmap() { return *focusedBitmap_; }
  SkinSeam::BitmapLink& PressedBitmap() { return *pressedBitmap_; }
  SkinSeam::BitmapLink& DisabledBitmap() { return *disabledBitmap_; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr hotBitmap_;
  LinkPtr focusedBitmap_;
  LinkPtr pressedBitmap_;
  LinkPtr disabledBitmap_;
};
