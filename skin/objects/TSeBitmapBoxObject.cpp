#include "skin/objects/TSeBitmapBoxObject.h"

#include "skin/objects/TSeSkinPainter.h"

void TSeBitmapBoxObject::Draw(TSeCanvas& canvas) {
  LinkPtr& bitmap = BitmapField();
  if (!IsValidLink(bitmap) || Width() <= 0 || Height() <= 0) return;
  const TSeSkinPainter::Margins margins{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()};
  if (!margins.Any()) {
    DrawPicture(canvas);
    return;
  }
  TSeSkinPainter(canvas, *bitmap, Masked(), TSeSkinPainter::Unmasked::FromBitmap)
      .PaintNineGrid(BoundsRect(), margins, TileStyle(), borderTileStyle_);
  PaintText(canvas);
}

void TSeBitmapBoxObject::Assign(const TPersistent* source) {
  TSeBitmapSkinObject::Assign(source);
  if (auto* other = ObjectAs<TSeBitmapBoxObject>(source)) {
    borderTileStyle_ = other->borderTileStyle_;
  }
}

void TSeBitmapBoxObject::DeclareProperties(TPropertyBuilder<TSeBitmapBoxObject>& p) {
  p.Enum("BorderTileStyle", ScTileStyleInfo(), &TSeBitmapBoxObject::borderTileStyle_)
      .Default(TscTileStyle::tsTile);
}
