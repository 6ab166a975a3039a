#include "skin/controls/win/TSeCustomCheckBox.h"

#include "skin/controls/SkinProperties.h"

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

TSeSkinCheckBox::TSeSkinCheckBox(TComponent* owner) : TSeCustomCheckBox(owner) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinCheckBox::DeclareProperties(TPropertyBuilder<TSeSkinCheckBox>& p) {
  DeclareSkinProperties(p, "CheckBox");
}
