#include "skin/objects/TSeActiveBitmap.h"

namespace {
bool HotOrFocused(TSeObjectState state) {
  return state == TSeObjectState::osHot || state == TSeObjectState::osFocused;
}
}  // namespace

TSeActiveBitmap::TSeActiveBitmap(TComponent* owner)
    : TSeBitmapObject(owner), activeBitmap_(std::make_unique<TSeBitmapLink>()) {}

TFont& TSeActiveBitmap::GetFont() {
  return HotOrFocused(State()) ? activeFont_ : TSeBitmapObject::GetFont();
}

void TSeActiveBitmap::ResolveBitmaps() {
  TSeBitmapObject::ResolveBitmaps();
  ResolveLink(activeBitmap_);
}

void TSeActiveBitmap::Draw(TSeCanvas& canvas) {
  SwappedLink shown(BitmapField(), Active() || HotOrFocused(State()) ? &activeBitmap_ : nullptr);
  TSeBitmapObject::Draw(canvas);
}

void TSeActiveBitmap::SetCharset(std::int32_t charset) {
  TSeBitmapObject::SetCharset(charset);
  activeFont_.SetCharset(static_cast<TFontCharset>(charset));
}

void TSeActiveBitmap::Assign(const TPersistent* source) {
  TSeBitmapObject::Assign(source);
  if (auto* other = ObjectAs<TSeActiveBitmap>(source)) {
    CopyLink(activeBitmap_, other->activeBitmap_);
    activeFont_.Assign(&other->activeFont_);
  }
}

void TSeActiveBitmap::DeclareProperties(TPropertyBuilder<TSeActiveBitmap>& p) {
  p.Object("ActiveBitmap", &TSeActiveBitmap::activeBitmap_);
  p.Object("ActiveFont", &TSeActiveBitmap::activeFont_);
}
