#include "skin/objects/TSeBitmapSkinObject.h"

#include "skin/objects/TSeSkinPainter.h"

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

void TSeBitmapSkinObject::ResolveBitmaps() {
  TSeSkinObject::ResolveBitmaps();
  ResolveLink(bitmap_);
}

void TSeBitmapSkinObject::DrawPicture(TSeCanvas& canvas) {
  if (!IsValidLink(bitmap_) || Width() <= 0 || Height() <= 0) return;
  TSeSkinPainter(canvas, *bitmap_, Masked(), TSeSkinPainter::Unmasked::FromBitmap)
      .PaintPart(bitmap_->GetRect(), BoundsRect(), tileStyle_);
  PaintText(canvas);
}

void TSeBitmapSkinObject::Draw(TSeCanvas& canvas) {
  DrawPicture(canvas);
}

std::unique_ptr<TSeRegion> TSeBitmapSkinObject::CreateRegion() {
  if (!IsValidLink(bitmap_) || Width() <= 0 || Height() <= 0) return nullptr;
  if (Kind() == TSeKind::skClient) return TSeSkinObject::CreateRegion();
  // The painted shape whatever Masked says.
  return PaintedShape();
}

void TSeBitmapSkinObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeBitmapSkinObject>(source)) {
    CopyLink(bitmap_, other->bitmap_);
    tileStyle_ = other->tileStyle_;
  }
}

void TSeBitmapSkinObject::DeclareProperties(TPropertyBuilder<TSeBitmapSkinObject>& p) {
  p.Object("Bitmap", &TSeBitmapSkinObject::bitmap_);
  p.Enum("TileStyle", ScTileStyleInfo(), &TSeBitmapSkinObject::tileStyle_)
      .Default(TscTileStyle::tsTile);
}
