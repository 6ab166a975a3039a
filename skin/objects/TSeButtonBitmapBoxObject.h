#pragma once

#include "skin/objects/TSeBitmapBoxObject.h"

// A bitmap box with one picture per state, chosen as for button objects.
class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
  QM_CLASS(TSeButtonBitmapBoxObject, TSeBitmapBoxObject)

 public:
  explicit TSeButtonBitmapBoxObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeButtonBitmapBoxObject>& p);

  TSeBitmapLink& HotBitmap() { return *hotBitmap_; }
  TSeBitmapLink& FocusedBitmap() { return *focusedBitmap_; }
  TSeBitmapLink& PressedBitmap() { return *pressedBitmap_; }
  TSeBitmapLink& DisabledBitmap() { return *disabledBitmap_; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr hotBitmap_;
  LinkPtr focusedBitmap_;
  LinkPtr pressedBitmap_;
  LinkPtr disabledBitmap_;
};
