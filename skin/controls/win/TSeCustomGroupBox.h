#pragma once

// Frames a group of child controls under a caption; with UseCheckBox the caption is a check
// box that switches all children on and off.

#include "skin/controls/win/TSeCustomCheckBox.h"
#include "skin/controls/win/TSeCustomControl.h"

class TSeCustomGroupBox : public TSeCustomControl {
  QM_CLASS(TSeCustomGroupBox, TSeCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomGroupBox, TSeCustomControl,
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    QM_MESSAGE(WM_SIZE, WMSize))
  // clang-format on

 public:
  explicit TSeCustomGroupBox(TComponent* owner);
  ~TSeCustomGroupBox() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomGroupBox>& p);

  std::int32_t CaptionMargin() const { return captionMargin_; }
  void SetCaptionMargin(std::int32_t value);
  TSeCustomCheckBox* CheckBox() const { return checkBox_; }
  TSeAlignment CheckBoxAlignment() const { return checkBoxAlignment_; }
  void SetCheckBoxAlignment(TSeAlignment value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool UseCheckBox() const { return useCheckBox_ && checkBox_ != nullptr; }
  void SetUseCheckBox(bool value);
  TNotifyEvent OnCheckBoxClick;

  bool Enabled() const override { return ownEnabled_ || UseCheckBox(); }
  void SetEnabled(bool value) override;
  void AdjustClientRect(RECT& rect) override;
  void Loaded() override;

 protected:
  virtual void CheckBoxClick(TObject* sender);
  virtual TSeCustomCheckBox* CreateCheckBox(TComponent* owner);
  virtual RECT GetFrameRect();
  RECT GetCaptionRect(bool alwaysWiden);
  void LayoutCheckBox();
  void PaintClient() override;

  void CMEnabledChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMDialogChar(TMessage& message);
  void WMSize(TMessage& message);

 private:
  SIZE CaptionExtent();

  std::int32_t captionMargin_ = 12;
  TSeCustomCheckBox* checkBox_ = nullptr;
  TSeAlignment checkBoxAlignment_ = TSeAlignment::ktaLeftJustify;
  bool checked_ = true;
  bool useCheckBox_ = false;
  bool ownEnabled_ = true;
};

// The group box drawn from a skin object (default "GroupBox"): its "Frame" and "Caption".
class TSeSkinGroupBox : public TSeCustomGroupBox {
  QM_CLASS(TSeSkinGroupBox, TSeCustomGroupBox)

 public:
  explicit TSeSkinGroupBox(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinGroupBox>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

 protected:
  TSeCustomCheckBox* CreateCheckBox(TComponent* owner) override;
  void PaintClient() override;
  void SkinBound() override;

 private:
  TSeSkinBinding binding_{*this, "GroupBox", &Seam()};
};
