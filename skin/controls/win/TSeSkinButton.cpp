#include "skin/controls/win/TSeSkinButton.h"

#include "skin/controls/SkinProperties.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeSkinObject.h"

TSeSkinButton::TSeSkinButton(TComponent* owner) : TSeCustomButton(owner) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinButton::DeclareProperties(TPropertyBuilder<TSeSkinButton>& p) {
  p.Boolean("ShowCaption", &TSeSkinButton::ShowCaption, &TSeSkinButton::SetShowCaption)
      .Default(true);
  p.Boolean("ShowGlyph", &TSeSkinButton::ShowGlyph, &TSeSkinButton::SetShowGlyph).Default(true);
  DeclareSkinProperties(p, "Button");
}

TSeObjectState TSeSkinButton::SkinState() {
  if (!Enabled()) return TSeObjectState::osDisabled;
  if (State() == TSeButtonState::kbsPressed) return TSeObjectState::osPressed;
  if (MouseInside()) return TSeObjectState::osHot;
  if (IsFocused() || ActiveDefault()) return TSeObjectState::osFocused;
  return TSeObjectState::osNormal;
}

void TSeSkinButton::PaintFace() {
  if (!IsSkinActive()) {
    TSeCustomButton::PaintFace();
    return;
  }
  TSeSkinObject* copy = binding_.Copy();
  TSeSkinObject* face = copy->FindByName("Face");
  if (!face) face = copy;
  face->SetState(SkinState());
  face->SetBounds(TRect{0, 0, PaintWidth(), PaintHeight()});
  TSeGdiCanvas canvas = SkinCanvas();
  face->Draw(canvas);
}

void TSeSkinButton::PaintCaption() {
  if (!IsSkinActive() || !showCaption_) {
    TSeCustomButton::PaintCaption();
    return;
  }
  TSeSkinObject* copy = binding_.Copy();
  TSeGdiCanvas canvas = SkinCanvas();
  if (TSeSkinObject* text = copy->FindByName("Text")) {
    text->SetState(SkinState());
    canvas.SetFont(SkinSeam::CanvasFont(text->GetFont()));
  } else {
    canvas.SetFont(SkinSeam::CanvasFont(copy->Font()));
  }
  DrawCaption(canvas, false);
}

void TSeSkinButton::PaintGlyph() {
  if (IsSkinActive() && !showGlyph_) return;
  TSeCustomButton::PaintGlyph();
}
