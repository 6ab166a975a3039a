#pragma once

#include "skin/objects/TSeBitmapSkinObject.h"

// A bitmap object that draws a nine-grid when it has margins; no children are painted.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
 public:
  explicit TSeBitmapBoxObject(TSeSkinObject* owner) : TSeBitmapSkinObject(owner) {}
  const char* ClassName() const override { return "TSeBitmapBoxObject"; }

  SkinSeam::TileStyle BorderTileStyle() const { return borderTileStyle_; }
  void SetBorderTileStyle(SkinSeam::TileStyle value) { borderTileStyle_ = value; }

  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  SkinSeam::TileStyle borderTileStyle_ = SkinSeam::TileStyle::tsTile;
};
