#pragma once

// The base of the skinned windowless controls (label, scroll bars): they paint on their
// parent's DC. Override PaintClient; a skinned class holds a TSeSkinBinding and returns it from
// SkinBinding(), exactly as on TSeCustomControl.

#include "framework/ui/TGraphicControl.h"
#include "skin/SkinMessages.h"
#include "skin/controls/TSeSkinBinding.h"
#include "skin/controls/win/TSeControlPainting.h"
#include "skin/controls/win/TSeControlSeam.h"
#include "skin/objects/win/TSeGdiCanvas.h"

class TSeSkinEngine;

class TSeGraphicControl : public TGraphicControl {
  QM_CLASS(TSeGraphicControl, TGraphicControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeGraphicControl, TGraphicControl,
    QM_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    QM_MESSAGE(SE_BEFORECHANGE, SEChange)
    QM_MESSAGE(SE_AFTERCHANGE, SEChange)
    QM_MESSAGE(SE_OBJECTCHANGED, SEObjectChanged))
  // clang-format on

 public:
  explicit TSeGraphicControl(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeGraphicControl>& p);

  TSePerformance Performance() const { return painting_.Performance(); }
  void SetPerformance(TSePerformance value);
  bool Transparent() const { return painting_.Transparent(); }
  void SetTransparent(bool value);
  TSeBlending& Blending() { return painting_.Blending(); }
  void SetBlending(const TSeBlending& value) { painting_.SetBlending(value); }
  bool MouseInside() const { return painting_.MouseInside(); }
  TFont& PaintFont() { return painting_.PaintFont(); }

  virtual TSeSkinBinding* SkinBinding() { return nullptr; }
  bool IsSkinActive() {
    TSeSkinBinding* binding = SkinBinding();
    return binding && binding->IsSkinActive();
  }
  TSeSkinEngine* SkinEngine() {
    TSeSkinBinding* binding = SkinBinding();
    return binding ? binding->Engine() : nullptr;
  }
  void SetSkinEngine(TSeSkinEngine* engine) {
    if (TSeSkinBinding* binding = SkinBinding()) binding->SetEngine(engine);
  }

  void PaintParentBackground(HDC dc);
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  // Unless Transparent, fills the client rectangle with Color.
  virtual void PaintClient();
  virtual void SkinBound() { Invalidate(); }
  TSeGdiCanvas SkinCanvas() { return TSeGdiCanvas(Canvas().Handle()); }
  TSeControlSeam& Seam() { return seam_; }

  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void SEChange(TMessage& message);
  void SEObjectChanged(TMessage& message);

 private:
  TSeControlSeam seam_{*this};
  TSeControlPainting painting_{*this, false};
};
