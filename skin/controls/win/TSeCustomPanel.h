#pragma once

// A container with a caption bar at its top and a button in the bar that rolls the panel up to
// the bar and down again, or hides it.

#include "skin/controls/win/TSeCustomControl.h"

class TSeCustomPanel : public TSeCustomControl {
  QM_CLASS(TSeCustomPanel, TSeCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomPanel, TSeCustomControl,
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave))
  // clang-format on

 public:
  explicit TSeCustomPanel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeCustomPanel>& p);
  void DefineProperties(TFiler& filer) override;

  std::int32_t PanelBevelWidth() const { return bevelWidth_; }
  void SetPanelBevelWidth(std::int32_t value);
  std::int32_t PanelBorderWidth() const { return borderWidth_; }
  void SetPanelBorderWidth(std::int32_t value);
  TSePanelButtonKind ButtonKind() const { return buttonKind_; }
  void SetButtonKind(TSePanelButtonKind value);
  bool Rolled() const { return rolled_; }
  void SetRolled(bool value);
  bool ShowBevel() const { return showBevel_; }
  void SetShowBevel(bool value);
  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  std::int32_t NormalHeight() const { return normalHeight_; }
  std::int32_t CaptionHeight() const { return captionHeight_; }
  void SetCaptionHeight(std::int32_t value);
  bool ButtonHot() const { return buttonHot_; }
  bool ButtonPressed() const { return buttonPressed_; }

  TNotifyEvent OnButtonClick;
  TNotifyEvent OnRollup;
  TNotifyEvent OnHide;

  virtual RECT GetCaptionRect();
  RECT GetButtonRect();
  void AdjustClientRect(RECT& rect) override;
  void SetBounds(int left, int top, int width, int height) override;
  // The caption button's action.
  void ButtonClick();

 protected:
  void PaintClient() override;
  virtual void PaintCaption();
  virtual void PaintBackground();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMTextChanged(TMessage& message);
  void CMMouseLeave(TMessage& message);

 private:
  void LayoutChanged();
  void InvalidateButton();

  std::int32_t bevelWidth_ = 1;
  std::int32_t borderWidth_ = 3;
  TSePanelButtonKind buttonKind_ = TSePanelButtonKind::pbkRoll;
  bool rolled_ = false;
  bool showBevel_ = true;
  bool showButton_ = true;
  bool showCaption_ = true;
  std::int32_t normalHeight_ = 0;
  std::int32_t captionHeight_ = 20;
  bool buttonHot_ = false;
  bool buttonPressed_ = false;
};

// The panel drawn from a skin object (default "Panel"): "Frame", "Caption" (or "Title") and the
// caption buttons; the caption height comes from the skin's "Caption".
class TSeSkinPanel : public TSeCustomPanel {
  QM_CLASS(TSeSkinPanel, TSeCustomPanel)

 public:
  explicit TSeSkinPanel(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinPanel>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

 protected:
  void PaintCaption() override;
  void PaintBackground() override;
  void SkinBound() override;

 private:
  TSeSkinBinding binding_{*this, "Panel", &Seam()};
  // The plain caption height, set aside while the skin's is in force.
  std::int32_t plainCaptionHeight_ = 0;
};
