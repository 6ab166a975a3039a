#include "framework/ui/TLabel.h"

#include <algorithm>

#include "framework/ui/TButton.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/TextInk.h"

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetColor(clBtnFace);
  SetParentColor(true);
  SetControlStyle(ControlStyle() | csSetCaption);
}

void TLabel::DeclareProperties(TPropertyBuilder<TLabel>& p) {
  p.Enum("Alignment", AlignmentInfo(), &TLabel::Alignment, &TLabel::SetAlignment)
      .Default(taLeftJustify);
  p.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  p.Reference("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  p.Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  p.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  p.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

UINT TLabel::DrawFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  return flags;
}

void TLabel::Paint() {
  const RECT client = ClientRect();
  if (!transparent_) {
    Canvas().SetBrushStyle(bsSolid);
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(client);
  }
  const std::wstring text = Caption();
  RECT rect = LabelTextBox(FontHandle(), text, client, DrawFlags(), autoSize_, overhang_);
  HDC dc = Canvas().Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  Handles::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DrawFlags() | DT_NOCLIP;
  if (Enabled()) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  } else {
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  }
  RestoreDC(dc, saved);
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  const std::wstring text = Caption();
  Handles::WindowDC screen(nullptr);
  Handles::SelectedObject font(screen.Get(), FontHandle());
  RECT rect{0, 0, wordWrap_ ? Width() : 0, 0};
  const std::wstring measured = text.empty() ? L" " : text;
  DrawTextW(screen.Get(), measured.c_str(), static_cast<int>(measured.size()), &rect,
            DrawFlags() | DT_CALCRECT);
  // The label also covers the ink the font may put past the measured advance widths.
  const LONG advance = rect.right;
  rect.right = std::max<LONG>(advance, TextInkRight(FontHandle(), measured, rect, DrawFlags()));
  overhang_ = rect.right - advance;
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ == value) return;
  showAccelChar_ = value;
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* value) {
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && focusControl_ && component == focusControl_)
    focusControl_ = nullptr;
}

void TLabel::CMTextChanged(TMessage&) {
  AdjustBounds();
  Invalidate();
}

void TLabel::CMFontChanged(TMessage&) {
  AdjustBounds();
}

void TLabel::CMDialogChar(TMessage& message) {
  if (focusControl_ && Enabled() && showAccelChar_ &&
      IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    message.Result = 1;
  }
}
