#pragma once

#include "skin/objects/TSeBitmapSkinObject.h"

// A frame picture with a second picture for an inactive window.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
  QM_CLASS(TSeFormBitmapSkinObject, TSeBitmapSkinObject)

 public:
  explicit TSeFormBitmapSkinObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeFormBitmapSkinObject>& p);

  TSeBitmapLink& InactiveBitmap() { return *inactiveBitmap_; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr inactiveBitmap_;
};
