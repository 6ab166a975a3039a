#pragma once

#include "skin/objects/TSeSkinObject.h"

// A bitmap object that paints only its picture and its text: its children are neither laid
// out nor painted.
class TSeBitmapSkinObject : public TSeSkinObject {
  QM_CLASS(TSeBitmapSkinObject, TSeSkinObject)

 public:
  explicit TSeBitmapSkinObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeBitmapSkinObject>& p);

  TSeBitmapLink& Bitmap() { return *bitmap_; }
  void SetBitmap(const TSeBitmapLink& value) { bitmap_->Assign(value); }
  TscTileStyle TileStyle() const { return tileStyle_; }
  void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  std::unique_ptr<TSeRegion> CreateRegion() override;
  void Assign(const TPersistent* source) override;

 protected:
  LinkPtr& BitmapField() { return bitmap_; }
  // The picture by TileStyle, then the text.
  void DrawPicture(TSeCanvas& canvas);

 private:
  LinkPtr bitmap_;
  TscTileStyle tileStyle_ = TscTileStyle::tsTile;
};
