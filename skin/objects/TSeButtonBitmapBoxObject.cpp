#include "skin/objects/TSeButtonBitmapBoxObject.h"

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner),
      hotBitmap_(std::make_unique<TSeBitmapLink>()),
      focusedBitmap_(std::make_unique<TSeBitmapLink>()),
      pressedBitmap_(std::make_unique<TSeBitmapLink>()),
      disabledBitmap_(std::make_unique<TSeBitmapLink>()) {}

void TSeButtonBitmapBoxObject::ResolveBitmaps() {
  TSeBitmapBoxObject::ResolveBitmaps();
  ResolveLink(hotBitmap_);
  ResolveLink(focusedBitmap_);
  ResolveLink(pressedBitmap_);
  ResolveLink(disabledBitmap_);
}

void TSeButtonBitmapBoxObject::Draw(TSeCanvas& canvas) {
  if (!IsValidLink(BitmapField())) return;
  const StatePictures pictures{.Hot = &hotBitmap_,
                               .Pressed = &pressedBitmap_,
                               .Focused = &focusedBitmap_,
                               .Disabled = &disabledBitmap_};
  SwappedLink shown(BitmapField(), pictures.For(State()));
  TSeBitmapBoxObject::Draw(canvas);
}

void TSeButtonBitmapBoxObject::Assign(const TPersistent* source) {
  TSeBitmapBoxObject::Assign(source);
  if (auto* other = ObjectAs<TSeButtonBitmapBoxObject>(source)) {
    CopyLink(hotBitmap_, other->hotBitmap_);
    CopyLink(focusedBitmap_, other->focusedBitmap_);
    CopyLink(pressedBitmap_, other->pressedBitmap_);
    CopyLink(disabledBitmap_, other->disabledBitmap_);
  }
}

void TSeButtonBitmapBoxObject::DeclareProperties(TPropertyBuilder<TSeButtonBitmapBoxObject>& p) {
  p.Object("HotBitmap", &TSeButtonBitmapBoxObject::hotBitmap_);
  p.Object("FocusedBitmap", &TSeButtonBitmapBoxObject::focusedBitmap_);
  p.Object("PressedBitmap", &TSeButtonBitmapBoxObject::pressedBitmap_);
  p.Object("DisabledBitmap", &TSeButtonBitmapBoxObject::disabledBitmap_);
}
