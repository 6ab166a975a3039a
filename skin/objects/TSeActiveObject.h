#pragma once

#include "skin/objects/TSeSkinObject.h"

// A plain coloured box that switches to a second colour and font while its window is active or
// it is hot, pressed or focused (highlighted menu and list items).
class TSeActiveObject : public TSeSkinObject {
  QM_CLASS(TSeActiveObject, TSeSkinObject)

 public:
  explicit TSeActiveObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeActiveObject>& p);

  TColor ActiveColor() const { return activeColor_; }
  void SetActiveColor(TColor value) { activeColor_ = value; }
  const TFont& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const TFont& value) { activeFont_.Assign(&value); }

  TFont& GetFont() override;
  void Draw(TSeCanvas& canvas) override;
  void ChangeHue(int delta) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  TColor activeColor_ = clBlack;
  TFont activeFont_;
};
