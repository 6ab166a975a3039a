#pragma once

// Static text painted on the parent: alignment, word wrap, auto size, transparency and an
// accelerator that focuses FocusControl.

#include "framework/ui/TGraphicControl.h"

class TWinControl;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
const TEnumInfo& AlignmentInfo();

class TLabel : public TGraphicControl {
  QM_CLASS(TLabel, TGraphicControl)
  // clang-format off
  QM_MESSAGE_TABLE(TLabel, TGraphicControl,
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_FONTCHANGED, CMFontChanged)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar))
  // clang-format on

 public:
  explicit TLabel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TLabel>& p);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void AdjustBounds();
  UINT DrawFlags() const;
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMDialogChar(TMessage& message);

 private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
  // Columns auto-sizing added past the measured text for its ink.
  int overhang_ = 0;
};
