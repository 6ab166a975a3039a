#include "framework/ui/TPanel.h"

const TEnumInfo& BevelCutInfo() {
  static const TEnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque | csSetCaption);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::DeclareProperties(TPropertyBuilder<TPanel>& p) {
  p.Enum("Alignment", AlignmentInfo(), &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
  p.Enum("BevelInner", BevelCutInfo(), &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
  p.Enum("BevelOuter", BevelCutInfo(), &TPanel::BevelOuter, &TPanel::SetBevelOuter)
      .Default(bvRaised);
  p.Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
  p.Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
}

void TPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WinClassName = L"QmPanel";
}

void TPanel::AdjustClientRect(RECT& rect) {
  int inset = borderWidth_;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  InflateRect(&rect, -inset, -inset);
}

namespace {

void Bevel(HDC dc, RECT& rect, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  const COLORREF light = ColorToRGB(cut == bvLowered ? clBtnShadow : clBtnHighlight);
  const COLORREF dark = ColorToRGB(cut == bvLowered ? clBtnHighlight : clBtnShadow);
  for (int i = 0; i < width; ++i) {
    if (cut != bvSpace) {
      Handles::Brush top(CreateSolidBrush(light));
      Handles::Brush bottom(CreateSolidBrush(dark));
      RECT edge{rect.left, rect.top, rect.right, rect.top + 1};
      FillRect(dc, &edge, top.Get());
      edge = RECT{rect.left, rect.top, rect.left + 1, rect.bottom};
      FillRect(dc, &edge, top.Get());
      edge = RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom};
      FillRect(dc, &edge, bottom.Get());
      edge = RECT{rect.right - 1, rect.top, rect.right, rect.bottom};
      FillRect(dc, &edge, bottom.Get());
    }
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

void TPanel::Paint() {
  RECT rect = ClientRect();
  Canvas().SetBrushColor(Color());
  Canvas().FillRect(rect);
  HDC dc = Canvas().Handle();
  Bevel(dc, rect, bevelOuter_, bevelWidth_);
  InflateRect(&rect, -borderWidth_, -borderWidth_);
  Bevel(dc, rect, bevelInner_, bevelWidth_);
  const std::wstring text = Caption();
  if (text.empty()) return;
  Handles::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  const UINT align = alignment_ == taLeftJustify    ? DT_LEFT
                     : alignment_ == taRightJustify ? DT_RIGHT
                                                    : DT_CENTER;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            align | DT_VCENTER | DT_SINGLELINE);
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (bevelInner_ == value) return;
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (bevelOuter_ == value) return;
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelWidth(std::int32_t value) {
  if (bevelWidth_ == value) return;
  bevelWidth_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBorderWidth(std::int32_t value) {
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}
