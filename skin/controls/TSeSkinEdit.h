#pragma once

// The edit drawn from a skin object (default "Edit"): its "Frame" child is the box's
// background and border in the control's state, its "Text" child gives the font.

#include "skin/controls/TSeCustomEdit.h"
#include "skin/objects/SkinObjectTypes.h"

class TSeSkinEdit : public TSeCustomEdit {
  QM_CLASS(TSeSkinEdit, TSeCustomEdit)

 public:
  explicit TSeSkinEdit(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinEdit>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }
  // The state the frame is painted in: disabled, else hot, else focused, else normal.
  TSeObjectState PaintState();

 protected:
  void PaintBorder() override;
  void PaintTextBackground(const RECT& area) override;
  void SkinBound() override;

 private:
  TSeSkinObject* Frame();
  void DrawFrame(const RECT& r);

  TSeSkinBinding binding_;
};
