#pragma once

#include "skin/objects/TSeSkinObject.h"

// A bitmap object that paints only its picture and its text: its children are neither laid
// out nor painted.
class TSeBitmapSkinObject : public TSeSkinObject {
 public:
  explicit TSeBitmapSkinObject(TSeSkinObject* owner);
  const char* ClassName() const override { return "TSeBitmapSkinObject"; }

  SkinSeam::BitmapLink& Bitmap() { return *bitmap_; }
  void SetBitmap(const SkinSeam::BitmapLink& value) { bitmap_->Assign(value); }
  SkinSeam::TileStyle TileStyle() const { return tileStyle_; }
  void SetTileStyle(SkinSeam::TileStyle value) { tileStyle_ = value; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  std::unique_ptr<Region> CreateRegion() override;
  void Assign(const TSeSkinObject& source) override;

 protected:
  LinkPtr& BitmapField() { return bitmap_; }
  // The picture by TileStyle, then the text.
  void DrawPicture(Canvas& canvas);

 private:
  LinkPtr bitmap_;
  SkinSeam::TileStyle tileStyle_ = SkinSeam::TileStyle::tsTile;
};
