#include "skin/objects/TSeBitmapBoxObject.h"

#include "skin/objects/TSeSkinPainter.h"

void TSeBitmapBoxObject::Draw(Canvas& canvas) {
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

void TSeBitmapBoxObject::Assign(const TSeSkinObject& source) {
  TSeBitmapSkinObject::Assign(source);
  if (auto* other = dynamic_cast<const TSeBitmapBoxObject*>(&source)) {
    borderTileStyle_ = other->borderTileStyle_;
  }
}
