#pragma once

#include "skin/objects/TSeSkinObject.h"

// One font per state; controls read GetFont and paint their captions themselves, and Draw
// paints the object's own Text with the state's font.
class TSeTextObject : public TSeSkinObject {
  QM_CLASS(TSeTextObject, TSeSkinObject)

 public:
  explicit TSeTextObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeTextObject>& p);

  const Font& FontHot() const { return fontHot_; }
  const Font& FontFocused() const { return fontFocused_; }
  const Font& FontPressed() const { return fontPressed_; }
  const Font& FontDisabled() const { return fontDisabled_; }
  void SetFontHot(const Font& value) { fontHot_.Assign(&value); }
  void SetFontFocused(const Font& value) { fontFocused_.Assign(&value); }
  void SetFontPressed(const Font& value) { fontPressed_.Assign(&value); }
  void SetFontDisabled(const Font& value) { fontDisabled_.Assign(&value); }

  Font& GetFont() override;
  void Draw(Canvas& canvas) override;
  void ChangeHue(int delta) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  Font fontHot_;
  Font fontFocused_;
  Font fontPressed_;
  Font fontDisabled_;
};
