#pragma once

// The check box as far as the group box needs one in its caption: caption, Checked, Alignment
// of the text against the mark, Spacing, and a click that toggles. Drawn classically (the
// platform's check mark, 13 x 13); the skinned variant draws its mark and text from the skin
// object "CheckBox" and takes its engine from the group box.

#include "skin/controls/win/TSeCustomControl.h"
#include "skin/objects/SkinObjectTypes.h"

class TSeCustomCheckBox : public TSeCustomControl {
  QM_CLASS(TSeCustomCheckBox, TSeCustomControl)

 public:
  static constexpr int kMarkSize = 13;

  explicit TSeCustomCheckBox(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeCustomCheckBox>& p);

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  TSeAlignment Alignment() const { return alignment_; }
  void SetAlignment(TSeAlignment value);
  std::int32_t Spacing() const { return spacing_; }
  void SetSpacing(std::int32_t value);
  void Click() override;

 protected:
  void PaintClient() override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyUp(WORD& key, TShiftState shift) override;

 private:
  bool checked_ = false;
  TSeAlignment alignment_ = TSeAlignment::ktaLeftJustify;
  std::int32_t spacing_ = 4;
};

class TSeSkinCheckBox : public TSeCustomCheckBox {
  QM_CLASS(TSeSkinCheckBox, TSeCustomCheckBox)

 public:
  explicit TSeSkinCheckBox(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinCheckBox>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

 protected:
  void PaintClient() override;

 private:
  TSeObjectState SkinState();

  TSeSkinBinding binding_{*this, "CheckBox", &Seam()};
};
