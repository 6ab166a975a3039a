#include "skin/objects/TSeActiveBitmapBoxObject.h"

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner), focusedBitmap_(std::make_unique<TSeBitmapLink>()) {}

void TSeActiveBitmapBoxObject::ResolveBitmaps() {
  TSeBitmapBoxObject::ResolveBitmaps();
  ResolveLink(focusedBitmap_);
}

void TSeActiveBitmapBoxObject::Draw(TSeCanvas& canvas) {
  if (!IsValidLink(BitmapField()) || Width() <= 0 || Height() <= 0) return;
  const StatePictures pictures{.Hot = &focusedBitmap_, .Focused = &focusedBitmap_};
  SwappedLink shown(BitmapField(), pictures.For(State()));
  TSeBitmapBoxObject::Draw(canvas);
}

void TSeActiveBitmapBoxObject::Assign(const TPersistent* source) {
  TSeBitmapBoxObject::Assign(source);
  if (auto* other = ObjectAs<TSeActiveBitmapBoxObject>(source)) {
    CopyLink(focusedBitmap_, other->focusedBitmap_);
  }
}

void TSeActiveBitmapBoxObject::DeclareProperties(TPropertyBuilder<TSeActiveBitmapBoxObject>& p) {
  p.Object("FocusedBitmap", &TSeActiveBitmapBoxObject::focusedBitmap_);
}
