#include "skin/objects/TSeButtonObject.h"

TSeButtonObject::TSeButtonObject(TComponent* owner)
    : TSeBitmapObject(owner),
      bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapFocused_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>()),
      bitmapDisabled_(std::make_unique<TSeBitmapLink>()) {}

void TSeButtonObject::ResolveBitmaps() {
  TSeBitmapObject::ResolveBitmaps();
  ResolveLink(bitmapFocused_);
  ResolveLink(bitmapHot_);
  ResolveLink(bitmapPressed_);
  ResolveLink(bitmapDisabled_);
}

void TSeButtonObject::Draw(TSeCanvas& canvas) {
  if (!IsValidLink(BitmapField()) || Width() <= 0 || Height() <= 0) return;
  const StatePictures pictures{.Hot = &bitmapHot_,
                               .Pressed = &bitmapPressed_,
                               .Focused = &bitmapFocused_,
                               .Disabled = &bitmapDisabled_};
  SwappedLink shown(BitmapField(), pictures.For(State()));
  TSeBitmapObject::Draw(canvas);
}

void TSeButtonObject::Assign(const TPersistent* source) {
  TSeBitmapObject::Assign(source);
  if (auto* other = ObjectAs<TSeButtonObject>(source)) {
    CopyLink(bitmapFocused_, other->bitmapFocused_);
    CopyLink(bitmapHot_, other->bitmapHot_);
    CopyLink(bitmapDisabled_, other->bitmapDisabled_);
    CopyLink(bitmapPressed_, other->bitmapPressed_);
  }
}

void TSeButtonObject::DeclareProperties(TPropertyBuilder<TSeButtonObject>& p) {
  p.Object("BitmapHot", &TSeButtonObject::bitmapHot_);
  p.Object("BitmapFocused", &TSeButtonObject::bitmapFocused_);
  p.Object("BitmapPressed", &TSeButtonObject::bitmapPressed_);
  p.Object("BitmapDisabled", &TSeButtonObject::bitmapDisabled_);
}
