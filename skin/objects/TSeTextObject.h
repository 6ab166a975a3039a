#pragma once

#include "skin/objects/TSeSkinObject.h"

// One font per state; controls read GetFont and paint their captions themselves, and Draw
// paints the object's own Text with the state's font.
class TSeTextObject : public TSeSkinObject {
  QM_CLASS(TSeTextObject, TSeSkinObject)

 public:
  explicit TSeTextObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeTextObject>& p);

  const TFont& FontHot() const { return fontHot_; }
  const TFont& FontFocused() const { return fontFocused_; }
  const TFont& FontPressed() const { return fontPressed_; }
  const TFont& FontDisabled() const { return fontDisabled_; }
  void SetFontHot(const TFont& value) { fontHot_.Assign(&value); }
  void SetFontFocused(const TFont& value) { fontFocused_.Assign(&value); }
  void SetFontPressed(const TFont& value) { fontPressed_.Assign(&value); }
  void SetFontDisabled(const TFont& value) { fontDisabled_.Assign(&value); }

  TFont& GetFont() override;
  void Draw(TSeCanvas& canvas) override;
  void ChangeHue(int delta) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TPersistent* source) override;

 private:
  TFont fontHot_;
  TFont fontFocused_;
  TFont fontPressed_;
  TFont fontDisabled_;
};
