#pragma once

// The base of the skinned windowed controls (button, panel, group box, tab control, edit).
//
// How a control paints: override PaintClient (and PaintBorder when it draws its own frame).
// Paint runs them inside the buffer chosen by Performance, with the parent's image already
// behind a transparent control; both also answer the background requests of transparent
// children. A skinned class holds a TSeSkinBinding, returns it from SkinBinding(), and in its
// paint steps asks IsSkinActive(): true paints from the binding's copy on SkinCanvas(), false
// paints the plain look (visual styles when StylesActive, classic otherwise) on Canvas().

#include "framework/ui/TCustomControl.h"
#include "skin/SkinMessages.h"
#include "skin/controls/TSeControlBorder.h"
#include "skin/controls/TSeSkinBinding.h"
#include "skin/controls/win/TSeControlPainting.h"
#include "skin/controls/win/TSeControlSeam.h"
#include "skin/objects/win/TSeGdiCanvas.h"

class TSeSkinEngine;

class TSeCustomControl : public TCustomControl {
  QM_CLASS(TSeCustomControl, TCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomControl, TCustomControl,
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    QM_MESSAGE(WM_WINDOWPOSCHANGING, WMWindowPosChanging)
    QM_MESSAGE(WM_THEMECHANGED, WMThemeChanged)
    QM_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    QM_MESSAGE(CM_ENTER, CMEnter)
    QM_MESSAGE(CM_EXIT, CMExit)
    QM_MESSAGE(SE_BEFORECHANGE, SEChange)
    QM_MESSAGE(SE_AFTERCHANGE, SEChange)
    QM_MESSAGE(SE_OBJECTCHANGED, SEObjectChanged))
  // clang-format on

 public:
  explicit TSeCustomControl(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeCustomControl>& p);

  TSePerformance Performance() const { return painting_.Performance(); }
  void SetPerformance(TSePerformance value);
  bool Transparent() const { return painting_.Transparent(); }
  void SetTransparent(bool value);
  TSeBlending& Blending() { return painting_.Blending(); }
  void SetBlending(const TSeBlending& value) { painting_.SetBlending(value); }

  TSeBevelCut BevelInner() const { return border_.BevelInner(); }
  void SetBevelInner(TSeBevelCut value);
  TSeBevelCut BevelOuter() const { return border_.BevelOuter(); }
  void SetBevelOuter(TSeBevelCut value);
  TSeBevelSides BevelSides() const { return border_.BevelSides(); }
  void SetBevelSides(TSeBevelSides value);
  TSeBevelKind BevelKind() const { return border_.BevelKind(); }
  void SetBevelKind(TSeBevelKind value);
  std::int32_t BevelWidth() const { return border_.BevelWidth(); }
  void SetBevelWidth(std::int32_t value);
  std::int32_t BorderWidth() const { return border_.BorderWidth(); }
  void SetBorderWidth(std::int32_t value);

  bool MouseInside() const { return painting_.MouseInside(); }
  bool IsFocused() const { return focused_; }
  TFont& PaintFont() { return painting_.PaintFont(); }

  // The skin binding of a skinned class; none in a plain one.
  virtual TSeSkinBinding* SkinBinding() { return nullptr; }
  bool IsSkinActive() {
    TSeSkinBinding* binding = SkinBinding();
    return binding && binding->IsSkinActive();
  }
  // The skinned classes' SkinEngine and SkinObject properties.
  TSeSkinEngine* SkinEngine() {
    TSeSkinBinding* binding = SkinBinding();
    return binding ? binding->Engine() : nullptr;
  }
  void SetSkinEngine(TSeSkinEngine* engine) {
    if (TSeSkinBinding* binding = SkinBinding()) binding->SetEngine(engine);
  }

  // The rectangle inside border and bevels; also the children's area.
  virtual RECT GetInnerRect();
  void AdjustClientRect(RECT& rect) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Draws the parent's image behind the control into dc.
  void PaintParentBackground(HDC dc);

  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  // Unless Transparent, fills the inner rectangle with Color.
  virtual void PaintClient();
  // Border and bevels: themed ("Edit") with visual styles, classic edges otherwise.
  virtual void PaintBorder();
  // After every change of a bevel or border property.
  virtual void BorderChanged() {}
  // After every binding step of a skinned class (its OnBound); repaints.
  virtual void SkinBound() { Invalidate(); }

  // The size as last set; painting uses it.
  int PaintWidth() const { return width_; }
  int PaintHeight() const { return height_; }
  // A skin canvas on the DC the control paints on now.
  TSeGdiCanvas SkinCanvas() { return TSeGdiCanvas(Canvas().Handle()); }
  TSeControlSeam& Seam() { return seam_; }

  void WMEraseBkgnd(TMessage& message);
  void WMWindowPosChanging(TMessage& message);
  void WMThemeChanged(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void SEChange(TMessage& message);
  void SEObjectChanged(TMessage& message);

 private:
  void BorderPropertyChanged(bool changed);

  TSeControlSeam seam_{*this};
  TSeControlPainting painting_{*this, true};
  TSeControlBorder border_;
  bool focused_ = false;
  int width_ = 100;
  int height_ = 30;
};
