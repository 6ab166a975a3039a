#pragma once

// The push button of the skinned windows: caption, optional glyph, click on release inside,
// Space, Enter (default button) and Escape (cancel button), accelerators, preset kinds.
// The plain look is drawn here; TSeSkinButton overrides the three paint steps.

#include <memory>

#include "framework/ui/TBitmap.h"
#include "skin/controls/win/TSeCustomControl.h"

class TSeCustomButton : public TSeCustomControl {
  QM_CLASS(TSeCustomButton, TSeCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomButton, TSeCustomControl,
    QM_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    QM_MESSAGE(CM_FOCUSCHANGED, CMFocusChanged)
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave))
  // clang-format on

 public:
  explicit TSeCustomButton(TComponent* owner);
  ~TSeCustomButton() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomButton>& p);

  bool ActiveDefault() const { return activeDefault_; }
  bool BlackAndWhiteGlyph() const { return blackAndWhiteGlyph_; }
  void SetBlackAndWhiteGlyph(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);
  std::int32_t ModalResult() const { return modalResult_; }
  void SetModalResult(std::int32_t value) { modalResult_ = value; }
  std::int32_t NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(std::int32_t value);
  std::int32_t Spacing() const { return spacing_; }
  void SetSpacing(std::int32_t value);
  TSeButtonState State() const { return state_; }
  void SetState(TSeButtonState value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // The picture (owned; setting copies). Empty when there is none.
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& value);
  bool MousePressed() const { return mousePressed_; }

  void Click() override;

 protected:
  void PaintClient() override;
  virtual RECT GetContentRect();
  virtual RECT GetCaptionRect();
  virtual RECT GetGlyphRect();
  virtual void PaintFace();
  virtual void PaintGlyph();
  virtual void PaintCaption();

  // Places and draws the caption in the canvas's current font (embossed when asked).
  void DrawCaption(TSeCanvas& canvas, bool embossed);
  bool HasGlyph() const { return glyph_.Width() > 0 && glyph_.Height() > 0; }
  int GlyphWidth() const { return HasGlyph() ? glyph_.Width() / numGlyphs_ : 0; }
  int GlyphHeight() const { return HasGlyph() ? glyph_.Height() : 0; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;

  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);

 private:
  void GlyphChanged();

  bool activeDefault_ = false;
  bool blackAndWhiteGlyph_ = false;
  bool cancel_ = false;
  bool default_ = false;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  std::int32_t modalResult_ = 0;
  std::int32_t numGlyphs_ = 1;
  std::int32_t spacing_ = 4;
  TSeButtonState state_ = TSeButtonState::kbsNormal;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  bool wordWrap_ = false;
  bool mousePressed_ = false;
  TBitmap glyph_;
};

// The glyph resource of a kind (32 x 16, normal and disabled frames), loaded from the program's
// resources on first use and kept for the process; none for bkCustom or a missing resource.
const TBitmap* ButtonKindGlyph(TBitBtnKind kind);
