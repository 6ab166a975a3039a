#pragma once

#include "skin/objects/TSeBitmapBoxObject.h"

// A bitmap box with a second picture while hot or focused.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
 public:
  explicit TSeActiveBitmapBoxObject(TSeSkinObject* owner);
  const char* ClassName() const override { return "TSeActiveBitmapBoxObject"; }

  SkinSeam::BitmapLink& FocusedBitmap() { return *focusedBitmap_; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  LinkPtr focusedBitmap_;
};
