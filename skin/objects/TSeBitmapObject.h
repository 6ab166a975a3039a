#pragma once

#include "skin/objects/TSeSkinObject.h"

// A box painted from part of a skin bitmap: tiled, stretched or centred, or as a nine-grid
// whose borders (the margins) keep their size. Its children follow its size at every paint.
class TSeBitmapObject : public TSeSkinObject {
 public:
  explicit TSeBitmapObject(TSeSkinObject* owner);
  const char* ClassName() const override { return "TSeBitmapObject"; }

  SkinSeam::BitmapLink& Bitmap() { return *bitmap_; }
  const SkinSeam::BitmapLink& Bitmap() const { return *bitmap_; }
  void SetBitmap(const SkinSeam::BitmapLink& value) { bitmap_->Assign(value); }
  SkinSeam::TileStyle BorderTileStyle() const { return borderTileStyle_; }
  void SetBorderTileStyle(SkinSeam::TileStyle value) { borderTileStyle_ = value; }
  SkinSeam::TileStyle TileStyle() const { return tileStyle_; }
  void SetTileStyle(SkinSeam::TileStyle value) { tileStyle_ = value; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  std::unique_ptr<Region> CreateRegion() override;
  void Assign(const TSeSkinObject& source) override;

 protected:
  LinkPtr& BitmapField() { return bitmap_; }

 private:
  LinkPtr bitmap_;
  SkinSeam::TileStyle borderTileStyle_ = SkinSeam::TileStyle::tsTile;
  SkinSeam::TileStyle tileStyle_ = SkinSeam::TileStyle::tsTile;
};
