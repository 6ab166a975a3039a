#pragma once

#include "skin/objects/TSeSkinObject.h"

// A coloured box that tracks the mouse itself: hot while the mouse is over it, drawn then with
// its active colour and font.
class TSeActiveSkinObject : public TSeSkinObject {
 public:
  explicit TSeActiveSkinObject(TSeSkinObject* owner) : TSeSkinObject(owner) {}
  const char* ClassName() const override { return "TSeActiveSkinObject"; }

  Color ActiveColor() const { return activeColor_; }
  void SetActiveColor(Color value) { activeColor_ = value; }
  const Font& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const Font& value) { activeFont_ = value; }

  void Draw(Canvas& canvas) override;
  void ChangeHue(int delta) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Assign(const TSeSkinObject& source) override;

 private:
  Color activeColor_ = clBlack;
  Font activeFont_;
};
