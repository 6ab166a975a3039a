#pragma once

#include "skin/objects/TSeSkinObject.h"

// A coloured box that tracks the mouse itself: hot while the mouse is over it, drawn then with
// its active colour and font.
class TSeActiveSkinObject : public TSeSkinObject {
  QM_CLASS(TSeActiveSkinObject, TSeSkinObject)

 public:
  explicit TSeActiveSkinObject(TComponent* owner) : TSeSkinObject(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSeActiveSkinObject>& p);

  TColor ActiveColor() const { return activeColor_; }
  void SetActiveColor(TColor value) { activeColor_ = value; }
  const TFont& ActiveFont() const { return activeFont_; }
  void SetActiveFont(const TFont& value) { activeFont_.Assign(&value); }

  void Draw(TSeCanvas& canvas) override;
  void ChangeHue(int delta) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Assign(const TPersistent* source) override;

 private:
  TColor activeColor_ = clBlack;
  TFont activeFont_;
};
