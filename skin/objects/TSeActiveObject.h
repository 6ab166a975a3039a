#pragma once

#include "skin/objects/TSeSkinObject.h"

// A plain coloured box that switches to a second colour and font while its window is active or
// it is hot, pressed or focused (highlighted menu and list items).
class TSeActiveObject : public TSeSkinObject {
  QM_CLASS(TSeActiveObject, TSeSkinObject)

 public:
  explicit TSeActiveObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeActiveObject>& p);

  Color ActiveColor() const { return activeColor_; }
  void SetActiveColor(Color value) { activeColor_ = value; }
  const Font& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const Font& value) { activeFont_.Assign(&value); }

  Font& GetFont() override;
  void Draw(Canvas& canvas) override;
  void ChangeHue(int delta) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  Color activeColor_ = clBlack;
  Font activeFont_;
};
