#pragma once

#include "skin/objects/TSeBitmapObject.h"

// A bitmap object with one picture per state (button faces, scroll-bar parts, tabs, glyphs).
// A state picture that is not valid falls back to Bitmap.
class TSeButtonObject : public TSeBitmapObject {
 public:
  explicit TSeButtonObject(TSeSkinObject* owner);
  const char* ClassName() const override { return "TSeButtonObject"; }

  SkinSeam::BitmapLink& BitmapHot() { return *bitmapHot_; }
  SkinSeam::BitmapLink& BitmapFocused() { return *bitmapFocused_; }
  SkinSeam::BitmapLink& BitmapPressed() { return *bitmapPressed_; }
  SkinSeam::BitmapLink& BitmapDisabled() { return *bitmapDisabled_; }

  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  LinkPtr bitmapHot_;
  LinkPtr bitmapFocused_;
  LinkPtr bitmapPressed_;
  LinkPtr bitmapDisabled_;
};
