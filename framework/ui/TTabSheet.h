#pragma once

#include <vector>
#include "framework/ui/TWinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
  QM_CLASS(TTabSheet, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TTabSheet, TWinControl,
    QM_MESSAGE(CM_TEXTCHANGED, CMSheetTextChanged)
    QM_MESSAGE(CM_SHOWINGCHANGED, CMSheetShowingChanged))
  // clang-format on

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  static void DeclareProperties(TPropertyBuilder<TTabSheet>& p);

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  int PageIndex() const;
  void SetPageIndex(int value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CMSheetTextChanged(TMessage& message);
  void CMSheetShowingChanged(TMessage& message);

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};
