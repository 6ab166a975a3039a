#include "skin/controls/win/TSeCustomControl.h"

#include "framework/core/ScopeGuard.h"
#include "framework/core/win/TThemeLibrary.h"
#include "skin/controls/win/ControlTree.h"

TSeCustomControl::TSeCustomControl(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), 100, 30);
  SetColor(clBtnFace);
  painting_.OnChange = [this] {
    if (!Loading()) Invalidate();
  };
}

void TSeCustomControl::DeclareProperties(TPropertyBuilder<TSeCustomControl>& p) {
  p.Object("Blending",
           [](const TSeCustomControl& c) { return &const_cast<TSeCustomControl&>(c).Blending(); });
  p.Enum("Performance", PerformanceInfo(), &TSeCustomControl::Performance,
         &TSeCustomControl::SetPerformance)
      .Always();
  p.Boolean("Transparent", &TSeCustomControl::Transparent, &TSeCustomControl::SetTransparent)
      .Always();
}

void TSeCustomControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
}

void TSeCustomControl::SetPerformance(TSePerformance value) {
  if (painting_.SetPerformance(value)) Invalidate();
}

void TSeCustomControl::SetTransparent(bool value) {
  if (painting_.SetTransparent(value)) Invalidate();
}

void TSeCustomControl::BorderPropertyChanged(bool changed) {
  if (!changed) return;
  BorderChanged();
  Realign();
  Invalidate();
}

void TSeCustomControl::SetBevelInner(TSeBevelCut value) {
  BorderPropertyChanged(border_.SetBevelInner(value));
}
void TSeCustomControl::SetBevelOuter(TSeBevelCut value) {
  BorderPropertyChanged(border_.SetBevelOuter(value));
}
void TSeCustomControl::SetBevelSides(TSeBevelSides value) {
  BorderPropertyChanged(border_.SetBevelSides(value));
}
void TSeCustomControl::SetBevelKind(TSeBevelKind value) {
  BorderPropertyChanged(border_.SetBevelKind(value));
}
void TSeCustomControl::SetBevelWidth(std::int32_t value) {
  BorderPropertyChanged(border_.SetBevelWidth(value));
}
void TSeCustomControl::SetBorderWidth(std::int32_t value) {
  BorderPropertyChanged(border_.SetBorderWidth(value));
}

RECT TSeCustomControl::GetInnerRect() {
  const TRect r = border_.GetInnerRect(width_, height_);
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

void TSeCustomControl::AdjustClientRect(RECT& rect) {
  rect = GetInnerRect();
}

void TSeCustomControl::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  width_ = Width();
  height_ = Height();
}

void TSeCustomControl::PaintParentBackground(HDC dc) {
  painting_.PaintParentBackground(dc, width_, height_);
}

void TSeCustomControl::Paint() {
  painting_.Paint(Canvas(), width_, height_, [this] {
    const HDC dc = Canvas().Handle();
    const RECT inner = GetInnerRect();
    {
      Handles::SavedDC saved(dc);
      ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
      PaintBorder();
    }
    PaintClient();
  });
}

void TSeCustomControl::PaintClient() {
  if (Transparent()) return;
  Canvas().SetBrushColor(Color());
  Canvas().FillRect(GetInnerRect());
}

void TSeCustomControl::PaintBorder() {
  const RECT whole{0, 0, width_, height_};
  const RECT inner = GetInnerRect();
  if (EqualRect(&whole, &inner)) return;
  const HDC dc = Canvas().Handle();
  if (HandleAllocated() && StylesActive(Handle(), L"Edit")) {
    Handles::Theme theme = Handles::OpenTheme(Handle(), L"Edit");
    const int state = !Enabled() ? 4 : focused_ ? 3 : MouseInside() ? 2 : 1;
    Handles::SavedDC saved(dc);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, state, &whole, nullptr);
    return;
  }
  TSeGdiCanvas canvas(dc);
  border_.PaintBorder(canvas, width_, height_, Color());
}

void TSeCustomControl::WMEraseBkgnd(TMessage& message) {
  message.Result = 1;
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc || !message.LParam) return;
  // A transparent child asks for the part of this control behind it; requests travel up
  // through transparent ancestors.
  Canvas().Lock();
  const HDC previous = Canvas().HandleAllocated() ? Canvas().Handle() : nullptr;
  Canvas().SetHandle(dc);
  ScopeGuard restore([this, previous] {
    Canvas().SetHandle(previous);
    Canvas().Unlock();
  });
  if (Transparent()) PaintParentBackground(dc);
  PaintBorder();
  PaintClient();
}

void TSeCustomControl::WMWindowPosChanging(TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  if (pos && !(pos->flags & SWP_NOSIZE)) {
    width_ = pos->cx;
    height_ = pos->cy;
  }
  DefaultHandler(message);
}

void TSeCustomControl::WMThemeChanged(TMessage& message) {
  Invalidate();
  DefaultHandler(message);
}

void TSeCustomControl::CMMouseEnter(TMessage& message) {
  InheritedMessage<TSeCustomControl>(message);
  painting_.SetMouseInside(true);
}

void TSeCustomControl::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeCustomControl>(message);
  painting_.SetMouseInside(false);
}

void TSeCustomControl::CMEnter(TMessage& message) {
  focused_ = true;
  Invalidate();
  InheritedMessage<TSeCustomControl>(message);
}

void TSeCustomControl::CMExit(TMessage& message) {
  focused_ = false;
  Invalidate();
  InheritedMessage<TSeCustomControl>(message);
}

void TSeCustomControl::SEChange(TMessage& message) {
  if (TSeSkinBinding* binding = SkinBinding()) binding->ChangeMessage(message.Msg, message.LParam);
}

void TSeCustomControl::SEObjectChanged(TMessage&) {
  Invalidate();
}

void TSeCustomControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove)
    if (TSeSkinBinding* binding = SkinBinding()) binding->ComponentRemoved(component);
}

void TSeCustomControl::Loaded() {
  TCustomControl::Loaded();
  if (TSeSkinBinding* binding = SkinBinding()) binding->Bind();
}
