#pragma once

#include "skin/objects/TSeSkinObject.h"

// A coloured box that tracks the mouse itself: hot while the mouse is over it, drawn then with
// its active colour and font.
class TSeActiveSkinObject : public TSeSkinObject {
  QM_CLASS(TSeActiveSkinObject, TSeSkinObject)

 public:
  explicit TSeActiveSkinObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeActiveSkinObject>& p);

  Color ActiveColor() const { return activeColor_; }
  void SetActiveColor(Color value) { activeColor_ = value; }
  const Font& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const Font& value) { activeFont_.Assign(&value); }

  void Draw(Canvas& canvas) override;
  void ChangeHue(int delta) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Assign(const TPersistent* source) override;

 private:
  Color activeColor_ = clBlack;
  Font activeFont_;
};
