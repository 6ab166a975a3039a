#include "skin/controls/win/TSeCustomTabSheet.h"

#include "framework/core/CallbackGuard.h"
#include "framework/ui/WideText.h"
#include "skin/controls/win/TSeCustomTabControl.h"

TSeCustomTabSheet::TSeCustomTabSheet(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetAlign(alClient);
  SetVisible(false);
}

TSeCustomTabSheet::~TSeCustomTabSheet() {
  if (tabControl_) tabControl_->RemovePage(this);
}

void TSeCustomTabSheet::DeclareProperties(TPropertyBuilder<TSeCustomTabSheet>& p) {
  p.Integer("BorderWidth", &TSeCustomTabSheet::BorderWidth, &TSeCustomTabSheet::SetBorderWidth)
      .Default(0);
  p.Integer("ImageIndex", &TSeCustomTabSheet::ImageIndex, &TSeCustomTabSheet::SetImageIndex)
      .Default(-1);
  // Stored so a page keeps its place; read back in order, each page joins at the end.
  p.Integer(
      "PageIndex", [](const TSeCustomTabSheet& s) { return s.PageIndex(); },
      [](TSeCustomTabSheet& s, std::int32_t v) { s.SetPageIndex(v); });
  p.Boolean("PageVisible", &TSeCustomTabSheet::PageVisible, &TSeCustomTabSheet::SetPageVisible)
      .Default(true);
  p.Event("OnHide", &TSeCustomTabSheet::OnHide);
  p.Event("OnShow", &TSeCustomTabSheet::OnShow);
}

void TSeCustomTabSheet::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  // The page follows its control's size; a full redraw on each step would flicker.
  params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
  params.Style |= WS_CLIPCHILDREN;
}

void TSeCustomTabSheet::SetParentComponent(TComponent* parent) {
  if (auto* control = ObjectAs<TSeCustomTabControl>(parent)) {
    if (tabControl_ != control) control->InsertPage(control->PageCount(), this);
    return;
  }
  TCustomControl::SetParentComponent(parent);
}

int TSeCustomTabSheet::PageIndex() const {
  if (!tabControl_) return -1;
  for (int i = 0; i < tabControl_->PageCount(); ++i)
    if (tabControl_->Pages(i) == this) return i;
  return -1;
}

void TSeCustomTabSheet::SetPageIndex(int value) {
  if (Loading() || !tabControl_ || value == PageIndex()) return;
  tabControl_->MovePage(this, value);
}

void TSeCustomTabSheet::SetPageVisible(bool value) {
  if (pageVisible_ == value) return;
  pageVisible_ = value;
  if (!Loading() && tabControl_) tabControl_->TabsChanged();
}

void TSeCustomTabSheet::SetImageIndex(std::int32_t value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  if (tabControl_) tabControl_->Invalidate();
}

void TSeCustomTabSheet::SetBorderWidth(std::int32_t value) {
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  Realign();
}

void TSeCustomTabSheet::Paint() {
  // Only the labels and other windowless children, which PaintWindow's caller adds; the page's
  // own face is its erase.
}

void TSeCustomTabSheet::WMEraseBkgnd(TMessage& message) {
  message.Result = 1;
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc || !tabControl_) return;
  // The page shows the part of its control's page frame that lies behind it.
  POINT origin{};
  SetWindowOrgEx(dc, Left(), Top(), &origin);
  tabControl_->PaintPageFrame(dc);
  SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
}

void TSeCustomTabSheet::CMTextChanged(TMessage& message) {
  InheritedMessage<TSeCustomTabSheet>(message);
  if (!tabControl_) return;
  const std::int32_t tab = tabControl_->VisibleTabOfPage(PageIndex());
  if (tab >= 0 && tab < tabControl_->Tabs().Count() && PageVisible())
    tabControl_->Tabs().Put(tab, ToUtf16(Caption()));
}

void TSeCustomTabSheet::CMShowingChanged(TMessage& message) {
  InheritedMessage<TSeCustomTabSheet>(message);
  // A handler's error must not stop the page switch.
  GuardCallback([this] {
    if (Showing())
      OnShow(this);
    else
      OnHide(this);
  });
}
