#pragma once

// The platform's edit control as a component: text, selection, read-only, clipboard commands
// and a change event. TEdit is one line; TMemo (TMemo.h) is many.

#include "framework/ui/TWinControl.h"

class TCustomEdit : public TWinControl {
  QM_CLASS(TCustomEdit, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TCustomEdit, TWinControl,
    QM_MESSAGE(CN_COMMAND, CNCommand)
    QM_MESSAGE(CN_CTLCOLOREDIT, CNCtlColor)
    QM_MESSAGE(CN_CTLCOLORSTATIC, CNCtlColor))
  // clang-format on

 public:
  explicit TCustomEdit(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TCustomEdit>& p);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  std::int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(std::int32_t value);
  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  std::wstring SelText();
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Clear() { SetText(L""); }
  bool Modified();

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  virtual void Change();
  void CNCommand(TMessage& message);
  void CNCtlColor(TMessage& message);

 private:
  bool readOnly_ = false;
  std::int32_t maxLength_ = 0;
  Handles::Brush brush_;
  TColor brushColor_ = clNone;
};
