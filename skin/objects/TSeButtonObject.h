#pragma once

#include "skin/objects/TSeBitmapObject.h"

// A bitmap object with one picture per state (button faces, scroll-bar parts, tabs, glyphs).
// A state picture that is not valid falls back to Bitmap.
class TSeButtonObject : public TSeBitmapObject {
  QM_CLASS(TSeButtonObject, TSeBitmapObject)

 public:
  explicit TSeButtonObject(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeButtonObject>& p);

  SkinSeam::BitmapLink& BitmapHot() { return *bitmapHot_; }
  SkinSeam::BitmapLink& BitmapFocused() { return *bitmapFocused_; }
  SkinSeam::BitmapLink& BitmapPressed() { return *bitmapPressed_; }
  SkinSeam::BitmapLink& BitmapDisabled() { return *bitmapDisabled_; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr bitmapHot_;
  LinkPtr bitmapFocused_;
  LinkPtr bitmapPressed_;
  LinkPtr bitmapDisabled_;
};
