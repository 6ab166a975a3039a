#pragma once

// The edit drawn from a skin object (default "Edit"): its "Frame" child is the box's
// background and border in the control's state, its "Text" child gives the font.

#include "skin/controls/win/TSeCustomEdit.h"
#include "skin/objects/SkinObjectTypes.h"

class TSeSkinEdit : public TSeCustomEdit {
  QM_CLASS(TSeSkinEdit, TSeCustomEdit)
  // clang-format off
  QM_MESSAGE_TABLE(TSeSkinEdit, TSeCustomEdit,
    QM_MESSAGE(CM_MOUSEENTER, CMMouseHover)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseHover))
  // clang-format on

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
  // The frame shows the hot state: repaint when the mouse comes and goes.
  void CMMouseHover(TMessage& message);
  TSeSkinObject* Frame();
  void DrawFrame(const RECT& r);

  TSeSkinBinding binding_;
};
