#include "skin/objects/TSeFormBitmapSkinObject.h"

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TSeSkinObject* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<SkinSeam::BitmapLink>()) {}

void TSeFormBitmapSkinObject::ResolveBitmaps() {
  TSeBitmapSkinObject::ResolveBitmaps();
  ResolveLink(inactiveBitmap_);
}

void TSeFormBitmapSkinObject::Draw(Canvas& canvas) {
  if (!Active() && IsValidLink(inactiveBitmap_)) {
    SwappedLink swap(BitmapField(), inactiveBitmap_);
    TSeBitmapSkinObject::Draw(canvas);
    return;
  }
  TSeBitmapSkinObject::Draw(canvas);
}

void TSeFormBitmapSkinObject::Assign(const TSeSkinObject& source) {
  TSeBitmapSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeFormBitmapSkinObject*>(&source)) {
    CopyLink(inactiveBitmap_, other->inactiveBitmap_);
  }
}
