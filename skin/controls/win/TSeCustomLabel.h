#pragma once

// A caption drawn on the parent, sized to its text, that can pass its accelerator to another
// control. Transparent by default.

#include "framework/ui/TLabel.h"
#include "skin/controls/win/TSeGraphicControl.h"

class TWinControl;

class TSeCustomLabel : public TSeGraphicControl {
  QM_CLASS(TSeCustomLabel, TSeGraphicControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomLabel, TSeGraphicControl,
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_FONTCHANGED, CMFontChanged)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar))
  // clang-format on

 public:
  explicit TSeCustomLabel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeCustomLabel>& p);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  void PaintClient() override;
  // Draws (or with DT_CALCRECT measures into rect) the caption in Font.
  void DoDrawText(RECT& rect, UINT flags);
  void AdjustBounds();
  // The column after the last pixel the caption inks when drawn (flags as for DoDrawText) in
  // box, at least box.right.
  int InkRight(const RECT& box, UINT flags);

  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMDialogChar(TMessage& message);

 private:
  // The caption as drawn, and the flags its settings add.
  std::wstring DrawnText(UINT& flags);

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TWinControl* focusControl_ = nullptr;
  bool showAccelChar_ = true;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  // Columns auto-sizing added past the measured text for its ink.
  int overhang_ = 0;
};

// The skinned label takes colour and font from its skin object ("Label"); it paints plainly.
class TSeSkinLabel : public TSeCustomLabel {
  QM_CLASS(TSeSkinLabel, TSeCustomLabel)

 public:
  explicit TSeSkinLabel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinLabel>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

 protected:
  void SkinBound() override;

 private:
  TSeSkinBinding binding_{*this, "Label", nullptr};
};
