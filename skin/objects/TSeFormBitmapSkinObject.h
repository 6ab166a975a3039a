#pragma once

#include "skin/objects/TSeBitmapSkinObject.h"

// A frame picture with a second picture for an inactive window.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
 public:
  explicit TSeFormBitmapSkinObject(TSeSkinObject* owner);
  const char* ClassName() const override { return "TSeFormBitmapSkinObject"; }

  SkinSeam::BitmapLink& InactiveBitmap() { return *inactiveBitmap_; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  LinkPtr inactiveBitmap_;
};
