#pragma once

#include "skin/objects/TSeSkinObject.h"

// One font per state; controls read GetFont and paint their captions themselves, and Draw
// paints the object's own Text with the state's font.
class TSeTextObject : public TSeSkinObject {
 public:
  explicit TSeTextObject(TSeSkinObject* owner) : TSeSkinObject(owner) {}
  const char* ClassName() const override { return "TSeTextObject"; }

  const Font& FontHot() const { return fontHot_; }
  const Font& FontFocused() const { return fontFocused_; }
  const Font& FontPressed() const { return fontPressed_; }
  const Font& FontDisabled() const { return fontDisabled_; }
  void SetFontHot(const Font& value) { fontHot_ = value; }
  void SetFontFocused(const Font& value) { fontFocused_ = value; }
  void SetFontPressed(const Font& value) { fontPressed_ = value; }
  void SetFontDisabled(const Font& value) { fontDisabled_ = value; }

  Font& GetFont() override;
  void Draw(Canvas& canvas) override;
  void ChangeHue(int delta) override;
  void SetCharset(std::int32_t charset) override;
  void Assign(const TSeSkinObject& source) override;

 private:
  Font fontHot_;
  Font fontFocused_;
  Font fontPressed_;
  Font fontDisabled_;
};
