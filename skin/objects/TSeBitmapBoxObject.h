#pragma once

#include "skin/objects/TSeBitmapSkinObject.h"

// A bitmap object that draws a nine-grid when it has margins; no children are painted.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
  QM_CLASS(TSeBitmapBoxObject, TSeBitmapSkinObject)

 public:
  explicit TSeBitmapBoxObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeBitmapBoxObject>& p);

  TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
  void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }

  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  TscTileStyle borderTileStyle_ = TscTileStyle::tsTile;
};
