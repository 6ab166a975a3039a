#include "skin/controls/win/TSeCustomCheckBox.h"

#include "framework/ui/WideText.h"
#include "skin/controls/SkinProperties.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeSkinObject.h"

TSeCustomCheckBox::TSeCustomCheckBox(TComponent* owner) : TSeCustomControl(owner) {
  SetControlStyle((ControlStyle() | csCaptureMouse | csSetCaption) & ~csClickEvents);
  SetBounds(Left(), Top(), 97, 17);
  SetTabStop(true);
}

void TSeCustomCheckBox::DeclareProperties(TPropertyBuilder<TSeCustomCheckBox>& p) {
  p.Enum("Alignment", LeftRightInfo(), &TSeCustomCheckBox::Alignment,
         &TSeCustomCheckBox::SetAlignment)
      .Default(TSeAlignment::ktaLeftJustify);
  p.Boolean("Checked", &TSeCustomCheckBox::Checked, &TSeCustomCheckBox::SetChecked).Default(false);
  p.Integer("Spacing", &TSeCustomCheckBox::Spacing, &TSeCustomCheckBox::SetSpacing).Default(4);
}

void TSeCustomCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Invalidate();
}

void TSeCustomCheckBox::SetAlignment(TSeAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TSeCustomCheckBox::SetSpacing(std::int32_t value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TSeCustomCheckBox::Click() {
  SetChecked(!checked_);
  TSeCustomControl::Click();
}

void TSeCustomCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseUp(button, shift, x, y);
  if (button == mbLeft && x >= 0 && x < Width() && y >= 0 && y < Height()) Click();
}

void TSeCustomCheckBox::KeyUp(WORD& key, TShiftState shift) {
  TSeCustomControl::KeyUp(key, shift);
  if (key != VK_SPACE) return;
  key = 0;
  Click();
}

void TSeCustomCheckBox::PaintClient() {
  TSeCustomControl::PaintClient();
  const HDC dc = Canvas().Handle();
  const int top = (PaintHeight() - kMarkSize) / 2;
  const bool right = alignment_ == TSeAlignment::ktaRightJustify;
  const int markLeft = right ? PaintWidth() - kMarkSize : 0;
  RECT mark{markLeft, top, markLeft + kMarkSize, top + kMarkSize};
  DrawFrameControl(
      dc, &mark, DFC_BUTTON,
      DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
  RECT text{right ? 0 : kMarkSize + spacing_, 0, right ? markLeft - spacing_ : PaintWidth(),
            PaintHeight()};
  Handles::SelectedObject font(dc, FontHandle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
  const std::wstring caption = Caption();
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | (right ? DT_RIGHT : DT_LEFT));
  SetBkMode(dc, oldMode);
}

// Transparent, as the group box it sits on: the caption's skin background shows around the
// mark and the text instead of a patch of the check box's own colour.
TSeSkinCheckBox::TSeSkinCheckBox(TComponent* owner) : TSeCustomCheckBox(owner) {
  SetTransparent(true);
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinCheckBox::DeclareProperties(TPropertyBuilder<TSeSkinCheckBox>& p) {
  DeclareSkinProperties(p, "CheckBox");
}

TSeObjectState TSeSkinCheckBox::SkinState() {
  if (!Enabled()) return TSeObjectState::osDisabled;
  if (MouseInside()) return TSeObjectState::osHot;
  if (IsFocused()) return TSeObjectState::osFocused;
  return TSeObjectState::osNormal;
}

// The mark is the skin's "Checked" or "Unchecked" picture in the state's cell, where the plain
// box draws the platform's mark; the text takes the font of the skin's "Text" in that state.
void TSeSkinCheckBox::PaintClient() {
  if (!IsSkinActive()) {
    TSeCustomCheckBox::PaintClient();
    return;
  }
  TSeCustomControl::PaintClient();
  TSeSkinObject* copy = SkinBinding()->Copy();
  const TSeObjectState state = SkinState();
  const int top = (PaintHeight() - kMarkSize) / 2;
  const bool right = Alignment() == TSeAlignment::ktaRightJustify;
  const int markLeft = right ? PaintWidth() - kMarkSize : 0;
  TSeGdiCanvas canvas = SkinCanvas();
  if (TSeSkinObject* mark = copy->FindByName(Checked() ? "Checked" : "Unchecked")) {
    mark->SetState(state);
    mark->SetBounds(TRect{markLeft, top, markLeft + kMarkSize, top + kMarkSize});
    mark->Draw(canvas);
  }
  if (TSeSkinObject* text = copy->FindByName("Text")) {
    text->SetState(state);
    canvas.SetFont(SkinSeam::CanvasFont(text->GetFont()));
  } else {
    canvas.SetFont(SkinSeam::CanvasFont(copy->Font()));
  }
  TRect t{right ? 0 : kMarkSize + Spacing(), 0, right ? markLeft - Spacing() : PaintWidth(),
          PaintHeight()};
  canvas.DrawText(ToUtf16(Caption()), t,
                  SeTextFormat::tfSingleLine | SeTextFormat::tfVCenter |
                      (right ? SeTextFormat::tfRight : SeTextFormat::tfLeft));
}
