#include "skin/objects/TSeBitmapObject.h"

#include "skin/objects/TSeSkinPainter.h"

TSeBitmapObject::TSeBitmapObject(TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

void TSeBitmapObject::ResolveBitmaps() {
  TSeSkinObject::ResolveBitmaps();
  ResolveLink(bitmap_);
}

void TSeBitmapObject::Draw(TSeCanvas& canvas) {
  if (!IsValidLink(bitmap_) || Width() <= 0 || Height() <= 0) return;
  const TSeSkinPainter::Margins margins{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()};
  TSeSkinPainter painter(canvas, *bitmap_, Masked(), TSeSkinPainter::Unmasked::FromDeviceCopy);
  if (!margins.Any()) {
    painter.PaintPart(bitmap_->GetRect(), BoundsRect(), tileStyle_);
  } else {
    painter.PaintNineGrid(BoundsRect(), margins, tileStyle_, borderTileStyle_);
  }
  PaintText(canvas);
  Realign();
  PaintChildren(canvas);
}

std::unique_ptr<TSeRegion> TSeBitmapObject::CreateRegion() {
  if (!IsValidLink(bitmap_) || Width() <= 0 || Height() <= 0) return nullptr;
  if (Kind() == TSeKind::skClient || !Masked()) return TSeSkinObject::CreateRegion();
  return PaintedShape();
}

void TSeBitmapObject::Assign(const TPersistent* source) {
  TSeSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeBitmapObject>(source)) {
    CopyLink(bitmap_, other->bitmap_);
    tileStyle_ = other->tileStyle_;
    borderTileStyle_ = other->borderTileStyle_;
  }
}

void TSeBitmapObject::DeclareProperties(TPropertyBuilder<TSeBitmapObject>& p) {
  p.Object("Bitmap", &TSeBitmapObject::bitmap_);
  p.Enum("BorderTileStyle", ScTileStyleInfo(), &TSeBitmapObject::borderTileStyle_)
      .Default(TscTileStyle::tsTile);
  p.Enum("TileStyle", ScTileStyleInfo(), &TSeBitmapObject::tileStyle_)
      .Default(TscTileStyle::tsTile);
}
