#pragma once

#include "skin/objects/TSeBitmapObject.h"

// A bitmap object with one picture per state (button faces, scroll-bar parts, tabs, glyphs).
// A state picture that is not valid falls back to Bitmap.
class TSeButtonObject : public TSeBitmapObject {
  QM_CLASS(TSeButtonObject, TSeBitmapObject)

 public:
  explicit TSeButtonObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeButtonObject>& p);

  TSeBitmapLink& BitmapHot() { return *bitmapHot_; }
  TSeBitmapLink& BitmapFocused() { return *bitmapFocused_; }
  TSeBitmapLink& BitmapPressed() { return *bitmapPressed_; }
  TSeBitmapLink& BitmapDisabled() { return *bitmapDisabled_; }

  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr bitmapHot_;
  LinkPtr bitmapFocused_;
  LinkPtr bitmapPressed_;
  LinkPtr bitmapDisabled_;
};
