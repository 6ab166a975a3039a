#pragma once

#include "skin/objects/TSeBitmapObject.h"

// A bitmap object that shows a second picture while its window is active or it is hot or
// focused (the parts of the window frame). Its ActiveFont reaches the screen only through
// callers of GetFont; its own text is painted with Font.
class TSeActiveBitmap : public TSeBitmapObject {
  QM_CLASS(TSeActiveBitmap, TSeBitmapObject)

 public:
  explicit TSeActiveBitmap(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeActiveBitmap>& p);

  SkinSeam::BitmapLink& ActiveBitmap() { return *activeBitmap_; }
  void SetActiveBitmap(const SkinSeam::BitmapLink& value) { activeBitmap_->Assign(value); }
  const Font& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const Font& value) { activeFont_.Assign(&value); }

  Font& GetFont() override;
  void ResolveBitmaps() override;
  void Draw(Canvas& canvas) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr activeBitmap_;
  Font activeFont_;
};
