#pragma once

// One page of a page control: a container filling the control's page area, shown while its
// tab is selected. The control keeps the page list; the sheet only points back at it.

#include "framework/ui/TCustomControl.h"

class TSeCustomTabControl;

class TSeCustomTabSheet : public TCustomControl {
  QM_CLASS(TSeCustomTabSheet, TCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomTabSheet, TCustomControl,
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged))
  // clang-format on

 public:
  explicit TSeCustomTabSheet(TComponent* owner);
  ~TSeCustomTabSheet() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomTabSheet>& p);

  TSeCustomTabControl* TabControl() const { return tabControl_; }
  int PageIndex() const;
  void SetPageIndex(int value);
  bool PageVisible() const { return pageVisible_; }
  void SetPageVisible(bool value);
  std::int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(std::int32_t value);
  std::int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(std::int32_t value);
  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WMEraseBkgnd(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMShowingChanged(TMessage& message);

 private:
  friend class TSeCustomTabControl;
  TSeCustomTabControl* tabControl_ = nullptr;
  bool pageVisible_ = true;
  std::int32_t imageIndex_ = -1;
  std::int32_t borderWidth_ = 0;
};
