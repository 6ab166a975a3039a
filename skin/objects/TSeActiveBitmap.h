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

  TSeBitmapLink& ActiveBitmap() { return *activeBitmap_; }
  void SetActiveBitmap(const TSeBitmapLink& value) { activeBitmap_->Assign(value); }
  const TFont& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const TFont& value) { activeFont_.Assign(&value); }

  TFont& GetFont() override;
  void ResolveBitmaps() override;
  void Draw(TSeCanvas& canvas) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  LinkPtr activeBitmap_;
  TFont activeFont_;
};
