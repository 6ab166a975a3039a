#pragma once

#include "skin/objects/TSeBitmapBoxObject.h"

// A bitmap box with a second picture while hot or focused.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
  QM_CLASS(TSeActiveBitmapBoxObject, TSeBitmapBoxObject)

 public:
  explicit TSeActiveBitmapBoxObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeActiveBitmapBoxObject>& p);

  TSeBitmapLink& FocusedBitmap() { return *focusedBitmap_; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr focusedBitmap_;
};
