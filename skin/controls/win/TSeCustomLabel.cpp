#include "skin/controls/win/TSeCustomLabel.h"

#include <algorithm>

#include "framework/ui/TButton.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/TextInk.h"
#include "skin/controls/SkinProperties.h"
#include "skin/objects/TSeSkinObject.h"

TSeCustomLabel::TSeCustomLabel(TComponent* owner) : TSeGraphicControl(owner) {
  SetBounds(Left(), Top(), 65, 17);
  SetTransparent(true);
  SetParentColor(true);
}

void TSeCustomLabel::DeclareProperties(TPropertyBuilder<TSeCustomLabel>& p) {
  p.Enum("Alignment", AlignmentInfo(), &TSeCustomLabel::Alignment, &TSeCustomLabel::SetAlignment)
      .Default(taLeftJustify);
  p.Boolean("AutoSize", &TSeCustomLabel::AutoSize, &TSeCustomLabel::SetAutoSize).Default(true);
  p.Reference("FocusControl", &TSeCustomLabel::FocusControl, &TSeCustomLabel::SetFocusControl);
  p.Boolean("ShowAccelChar", &TSeCustomLabel::ShowAccelChar, &TSeCustomLabel::SetShowAccelChar)
      .Default(true);
  p.Enum("Layout", TextLayoutInfo(), &TSeCustomLabel::Layout, &TSeCustomLabel::SetLayout)
      .Default(TTextLayout::tlTop);
  p.Boolean("WordWrap", &TSeCustomLabel::WordWrap, &TSeCustomLabel::SetWordWrap).Default(false);
}

void TSeCustomLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TSeCustomLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TSeCustomLabel::SetFocusControl(TWinControl* value) {
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TSeCustomLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  Invalidate();
}

void TSeCustomLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TSeCustomLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TSeCustomLabel::Notification(TComponent* component, TOperation operation) {
  TSeGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TSeCustomLabel::Loaded() {
  TSeGraphicControl::Loaded();
  AdjustBounds();
}

namespace {
UINT AlignmentFlag(TAlignment alignment) {
  return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}
}  // namespace

std::wstring TSeCustomLabel::DrawnText(UINT& flags) {
  std::wstring text = Caption();
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == L"&"))) text += L' ';
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (BiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  return text;
}

void TSeCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  const std::wstring text = DrawnText(flags);
  const HDC dc = Canvas().Handle();
  Handles::SelectedObject font(dc, FontHandle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  if ((flags & DT_CALCRECT) == 0 && !Enabled()) {
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextW(dc, text.c_str(), length, &shifted, flags);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
  } else {
    SetTextColor(dc, ColorToRGB(Font().Color()));
  }
  DrawTextW(dc, text.c_str(), length, &rect, flags);
  SetBkMode(dc, oldMode);
}

int TSeCustomLabel::InkRight(const RECT& box, UINT flags) {
  const std::wstring text = DrawnText(flags);
  return TextInkRight(FontHandle(), text, box, flags);
}

void TSeCustomLabel::PaintClient() {
  TSeGraphicControl::PaintClient();
  const RECT client = ClientRect();
  const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlag(alignment_);
  UINT drawn = flags;
  const std::wstring text = DrawnText(drawn);
  RECT r = LabelTextBox(FontHandle(), text, client, drawn, autoSize_, overhang_);
  if (layout_ != TTextLayout::tlTop) {
    RECT measured = r;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int gap = Height() - measured.bottom;
    OffsetRect(&r, 0, layout_ == TTextLayout::tlBottom ? gap : gap / 2);
  }
  const HDC dc = Canvas().Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  DoDrawText(r, flags | DT_NOCLIP);
  RestoreDC(dc, saved);
}

void TSeCustomLabel::AdjustBounds() {
  if (Loading() || !autoSize_) return;
  RECT r = ClientRect();
  // Measured on a screen context: the label may have no parent DC now.
  Handles::CreatedDC dc(CreateCompatibleDC(nullptr));
  Canvas().Lock();
  const HDC previous = Canvas().HandleAllocated() ? Canvas().Handle() : nullptr;
  Canvas().SetHandle(dc.Get());
  const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0);
  DoDrawText(r, flags | DT_CALCRECT);
  // Hinted outline fonts may ink a pixel or two past the advance widths DrawText adds up (Wine's
  // stand-ins for the bitmap fonts do): the label grows to cover its last letter's ink.
  const LONG advance = r.right;
  r.right = std::max<LONG>(advance, InkRight(r, flags));
  overhang_ = r.right - advance;
  Canvas().SetHandle(previous);
  Canvas().Unlock();
  TAlignment effective = alignment_;
  if (BiDiMode() != bdLeftToRight && effective != taCenter)
    effective = effective == taLeftJustify ? taRightJustify : taLeftJustify;
  int x = Left();
  if (effective == taRightJustify) x = Left() + Width() - r.right;
  SetBounds(x, Top(), r.right, r.bottom);
}

void TSeCustomLabel::CMTextChanged(TMessage&) {
  AdjustBounds();
  Invalidate();
}

void TSeCustomLabel::CMFontChanged(TMessage&) {
  AdjustBounds();
}

void TSeCustomLabel::CMDialogChar(TMessage& message) {
  if (focusControl_ && Enabled() && showAccelChar_ &&
      IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    message.Result = 1;
  }
}

TSeSkinLabel::TSeSkinLabel(TComponent* owner) : TSeCustomLabel(owner) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinLabel::DeclareProperties(TPropertyBuilder<TSeSkinLabel>& p) {
  DeclareSkinProperties(p, "Label");
}

void TSeSkinLabel::SkinBound() {
  if (TSeSkinObject* copy = binding_.Copy()) {
    SetColor(copy->Color());
    Font().Assign(&copy->Font());
  }
  Invalidate();
}
