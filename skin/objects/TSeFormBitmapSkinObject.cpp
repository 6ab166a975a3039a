#include "skin/objects/TSeFormBitmapSkinObject.h"

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<TSeBitmapLink>()) {}

void TSeFormBitmapSkinObject::ResolveBitmaps() {
  TSeBitmapSkinObject::ResolveBitmaps();
  ResolveLink(inactiveBitmap_);
}

void TSeFormBitmapSkinObject::Draw(TSeCanvas& canvas) {
  SwappedLink shown(BitmapField(), Active() ? nullptr : &inactiveBitmap_);
  TSeBitmapSkinObject::Draw(canvas);
}

void TSeFormBitmapSkinObject::Assign(const TPersistent* source) {
  TSeBitmapSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeFormBitmapSkinObject>(source)) {
    CopyLink(inactiveBitmap_, other->inactiveBitmap_);
  }
}

void TSeFormBitmapSkinObject::DeclareProperties(TPropertyBuilder<TSeFormBitmapSkinObject>& p) {
  p.Object("InactiveBitmap", &TSeFormBitmapSkinObject::inactiveBitmap_);
}
