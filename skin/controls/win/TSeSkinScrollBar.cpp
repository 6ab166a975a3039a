#include "skin/controls/win/TSeSkinScrollBar.h"

#include "framework/core/win/Handles.h"
#include "skin/controls/SkinProperties.h"
#include "skin/objects/TSeSkinObject.h"

namespace {

TSeObjectState ButtonState(bool disabled, bool pressed, bool hot) {
  if (disabled) return TSeObjectState::osDisabled;
  if (pressed) return TSeObjectState::osPressed;
  if (hot) return TSeObjectState::osHot;
  return TSeObjectState::osNormal;
}

}  // namespace

TSeSkinScrollBar::TSeSkinScrollBar(TComponent* owner)
    : TSeCustomScrollBar(owner), binding_(*this, "ScrollBar", &Seam()) {
  binding_.OnBound = [this] { SkinBound(); };
  SetBorderWidth(0);
}

void TSeSkinScrollBar::DeclareProperties(TPropertyBuilder<TSeSkinScrollBar>& p) {
  DeclareSkinProperties(p, "ScrollBar");
}

TSeSkinObject* TSeSkinScrollBar::Part(const char* name, const char* fallback) {
  TSeSkinObject* copy = binding_.Copy();
  if (!copy) return nullptr;
  TSeSkinObject* part = copy->FindByName(name);
  if (!part && fallback) part = copy->FindByName(fallback);
  return part;
}

void TSeSkinScrollBar::SkinBound() {
  // The bar takes its thickness from the skin's frame picture.
  if (TSeSkinObject* frame = Part(Horizontal() ? "HorzFrame" : "VertFrame", "Frame")) {
    if (Horizontal() && frame->Height() > 0) SetBounds(Left(), Top(), Width(), frame->Height());
    if (!Horizontal() && frame->Width() > 0) SetBounds(Left(), Top(), frame->Width(), Height());
  }
  TSeCustomScrollBar::SkinBound();
}

std::int32_t TSeSkinScrollBar::ButtonMetric() {
  if (IsSkinActive()) {
    TSeSkinObject* button = Part(Horizontal() ? "LeftButton" : "TopButton");
    if (button) return Horizontal() ? button->Width() : button->Height();
  }
  return TSeCustomScrollBar::ButtonMetric();
}

void TSeSkinScrollBar::DrawPart(TSeSkinObject* part, TSeObjectState state, const RECT& r) {
  if (!part || r.right <= r.left || r.bottom <= r.top) return;
  part->SetState(state);
  part->SetBounds(TRect{r.left, r.top, r.right, r.bottom});
  TSeGdiCanvas canvas = SkinCanvas();
  part->Draw(canvas);
}

void TSeSkinScrollBar::DrawBorder(HDC dc) {
  if (!IsSkinActive()) TSeCustomScrollBar::DrawBorder(dc);
}

void TSeSkinScrollBar::DrawTrack(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawTrack(dc, r);
    return;
  }
  DrawPart(Part(Horizontal() ? "HorzFrame" : "VertFrame", "Frame"), TSeObjectState::osNormal,
           RECT{0, 0, Width(), Height()});
}

void TSeSkinScrollBar::DrawFirstButton(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawFirstButton(dc, r);
    return;
  }
  DrawPart(Part(Horizontal() ? "LeftButton" : "TopButton"),
           ButtonState(!Enabled(), pressed_.First, hot_.First), r);
}

void TSeSkinScrollBar::DrawSecondButton(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawSecondButton(dc, r);
    return;
  }
  DrawPart(Part(Horizontal() ? "RightButton" : "BottomButton"),
           ButtonState(!Enabled(), pressed_.Second, hot_.Second), r);
}

void TSeSkinScrollBar::DrawThumb(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawThumb(dc, r);
    return;
  }
  DrawPart(Part(Horizontal() ? "HorzSlider" : "VertSlider", "Slider"),
           ButtonState(!Enabled(), Dragging(), hot_.Thumb), r);
}

void TSeSkinScrollBar::DrawPageBefore(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawPageBefore(dc, r);
    return;
  }
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(clBtnShadow)));
  FillRect(dc, &r, brush.Get());
}

void TSeSkinScrollBar::DrawPageAfter(HDC dc, const RECT& r) {
  if (!IsSkinActive()) {
    TSeCustomScrollBar::DrawPageAfter(dc, r);
    return;
  }
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(clBtnShadow)));
  FillRect(dc, &r, brush.Get());
}
