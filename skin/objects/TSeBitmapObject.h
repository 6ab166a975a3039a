#pragma once

#include "skin/objects/TSeSkinObject.h"

// A box painted from part of a skin bitmap: tiled, stretched or centred, or as a nine-grid
// whose borders (the margins) keep their size. Its children follow its size at every paint.
class TSeBitmapObject : public TSeSkinObject {
  QM_CLASS(TSeBitmapObject, TSeSkinObject)

 public:
  explicit TSeBitmapObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeBitmapObject>& p);

  TSeBitmapLink& Bitmap() { return *bitmap_; }
  const TSeBitmapLink& Bitmap() const { return *bitmap_; }
  void SetBitmap(const TSeBitmapLink& value) { bitmap_->Assign(value); }
  TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
  void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }
  TscTileStyle TileStyle() const { return tileStyle_; }
  void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  std::unique_ptr<TSeRegion> CreateRegion() override;
  void Assign(const TPersistent* source) override;

 protected:
  LinkPtr& BitmapField() { return bitmap_; }

 private:
  LinkPtr bitmap_;
  TscTileStyle borderTileStyle_ = TscTileStyle::tsTile;
  TscTileStyle tileStyle_ = TscTileStyle::tsTile;
};
