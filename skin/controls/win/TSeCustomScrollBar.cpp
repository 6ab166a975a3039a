#include "skin/controls/win/TSeCustomScrollBar.h"

#include <algorithm>

#include "framework/core/ScopeGuard.h"
#include "framework/core/win/Handles.h"
#include "framework/core/win/TThemeLibrary.h"
#include "skin/controls/win/PlainDrawing.h"
#include "skin/objects/SeKeyRepeat.h"

namespace {

bool IsEmpty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// Theme parts and states of the platform's "ScrollBar" class.
constexpr int kPartArrow = 1;
constexpr int kPartThumbHorz = 2;
constexpr int kPartThumbVert = 3;
constexpr int kPartTrackHorz = 4;
constexpr int kPartTrackVert = 6;

bool DrawThemed(HDC dc, int part, int state, const RECT& r) {
  const TThemeLibrary& lib = ThemeLibrary();
  if (!lib.DrawThemeBackground || !lib.IsThemeActive || !lib.IsThemeActive()) return false;
  Handles::Theme theme = Handles::OpenTheme(nullptr, L"ScrollBar");
  if (!theme) return false;
  lib.DrawThemeBackground(theme.Get(), dc, part, state, &r, nullptr);
  return true;
}

}  // namespace

const TEnumInfo& ScrollBarKindInfo() {
  static const TEnumInfo info{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
  return info;
}

TSeCustomScrollBar::TSeCustomScrollBar(TComponent* owner)
    : TSeGraphicControl(owner), model_(GetSystemMetrics(SM_CXHTHUMB)) {
  SetControlStyle(ControlStyle() | csCaptureMouse);
  SetPerformance(TSePerformance::kspDoubleBuffer);
  SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CXHTHUMB));
}

TSeCustomScrollBar::~TSeCustomScrollBar() = default;

void TSeCustomScrollBar::DeclareProperties(TPropertyBuilder<TSeCustomScrollBar>& p) {
  using C = TSeCustomScrollBar;
  p.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(1);
  p.Enum("Kind", ScrollBarKindInfo(), &C::Kind, &C::SetKind).Default(TScrollBarKind::sbHorizontal);
  p.Integer("LargeChange", &C::LargeChange, &C::SetLargeChange).Default(1);
  p.Integer("Max", &C::Max, &C::SetMax).Default(100);
  p.Integer("Min", &C::Min, &C::SetMin).Default(0);
  p.Integer("PageSize", &C::PageSize, &C::SetPageSize).Default(0);
  p.Integer("Position", &C::Position, &C::SetPosition).Default(0);
  p.Boolean("ShowButtons", &C::ShowButtons, &C::SetShowButtons).Default(true);
  p.Integer("SmallChange", &C::SmallChange, &C::SetSmallChange).Default(1);
  p.Event("OnChange", &C::OnChange);
  p.Event("OnScroll", &C::OnScroll);
}

std::int32_t TSeCustomScrollBar::ThumbMetric() const {
  return GetSystemMetrics(model_.Kind() == TScrollBarKind::sbHorizontal ? SM_CXHTHUMB
                                                                        : SM_CYVTHUMB);
}

const TSeScrollBarModel& TSeCustomScrollBar::Model() {
  model_.SetThumbMetric(ThumbMetric());
  model_.SetButtonMetric(ButtonMetric());
  model_.SetBounds(Width(), Height());
  return model_;
}

std::int32_t TSeCustomScrollBar::ButtonMetric() {
  return 0;
}

void TSeCustomScrollBar::SetBounds(int left, int top, int width, int height) {
  TSeGraphicControl::SetBounds(left, top, width, height);
  model_.SetBounds(Width(), Height());
}

void TSeCustomScrollBar::SetKind(TScrollBarKind value) {
  if (value == model_.Kind()) return;
  model_.SetKind(value);
  // At design time the shape follows the kind.
  if (ComponentState().Contains(TComponentStateFlag::csDesigning) && !Loading() &&
      (value == TScrollBarKind::sbVertical) != (Height() > Width()))
    SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TSeCustomScrollBar::SetMin(std::int32_t value) {
  const bool changed = model_.SetMin(value);
  Invalidate();
  if (changed && OnChange) OnChange(this);
}

void TSeCustomScrollBar::SetMax(std::int32_t value) {
  const bool changed = model_.SetMax(value);
  Invalidate();
  if (changed && OnChange) OnChange(this);
}

void TSeCustomScrollBar::SetPageSize(std::int32_t value) {
  model_.SetPageSize(value);
  Invalidate();
}

void TSeCustomScrollBar::SetPosition(std::int32_t value) {
  SetPositionNotify(value);
}

void TSeCustomScrollBar::SetPositionNotify(std::int32_t value) {
  if (!model_.SetPosition(value)) return;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TSeCustomScrollBar::SetShowButtons(bool value) {
  model_.SetShowButtons(value);
  Invalidate();
}

void TSeCustomScrollBar::SetBorderWidth(std::int32_t value) {
  model_.SetBorderWidth(value);
  Invalidate();
}

void TSeCustomScrollBar::ScrollTo(TScrollCode code, std::int32_t position) {
  if (OnScroll) OnScroll(this, code, position);
  SetPositionNotify(position);
}

void TSeCustomScrollBar::Scroll(TScrollCode code) {
  Model();
  ScrollTo(code, model_.StepTarget(code));
}

TSeCustomScrollBar::TPartFlags TSeCustomScrollBar::HotAt(POINT p) {
  TPartFlags f;
  const TScrollBarPart part = Model().HitTest(TPoint{p.x, p.y});
  f.Thumb = part == TScrollBarPart::Thumb;
  f.First = part == TScrollBarPart::FirstButton;
  f.Second = part == TScrollBarPart::SecondButton;
  f.PageBefore = part == TScrollBarPart::PageBefore;
  f.PageAfter = part == TScrollBarPart::PageAfter;
  return f;
}

void TSeCustomScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSeGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  lastPointer_ = POINT{x, y};
  Model();
  if (model_.BeginDrag(TPoint{x, y})) {
    ScrollTo(TScrollCode::scTrack, model_.Position());
    Invalidate();
  }
  hot_ = HotAt(lastPointer_);
  pressed_.First = hot_.First;
  pressed_.Second = hot_.Second;
  pressed_.PageBefore = hot_.PageBefore;
  pressed_.PageAfter = hot_.PageAfter;
  if (pressed_.First || pressed_.Second || pressed_.PageBefore || pressed_.PageAfter) {
    Invalidate();
    StartRepeat();
  }
}

void TSeCustomScrollBar::MouseMove(TShiftState shift, int x, int y) {
  TSeGraphicControl::MouseMove(shift, x, y);
  lastPointer_ = POINT{x, y};
  if (model_.Dragging()) {
    Model();
    std::int32_t target = model_.DragTarget(TPoint{x, y});
    // The handler sees the position but cannot change where the thumb follows the pointer.
    std::int32_t reported = target;
    if (OnScroll) OnScroll(this, TScrollCode::scTrack, reported);
    SetPositionNotify(target);
  }
  TPartFlags hot = HotAt(lastPointer_);
  if (!model_.ShowButtons()) hot.First = hot.Second = false;
  if (hot != hot_) {
    hot_ = hot;
    Invalidate();
  }
}

void TSeCustomScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSeGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  if (model_.Dragging()) ScrollTo(TScrollCode::scPosition, model_.Position());
  model_.EndDrag();
  pressed_ = TPartFlags{};
  if (timer_) timer_->SetEnabled(false);
  ScrollTo(TScrollCode::scEndScroll, model_.Position());
  Invalidate();
}

void TSeCustomScrollBar::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeCustomScrollBar>(message);
  if (hot_ != TPartFlags{}) {
    hot_ = TPartFlags{};
    Invalidate();
  }
}

void TSeCustomScrollBar::StartRepeat() {
  if (!timer_) {
    timer_ = std::make_unique<TTimer>(nullptr);
    timer_->SetEnabled(false);
    timer_->OnTimer = TNotifyEvent([this](TObject*) {
      timer_->SetInterval(KeyRepeatInterval());
      RepeatStep();
    });
  }
  timer_->SetEnabled(false);
  RepeatStep();
  timer_->SetInterval(KeyRepeatDelay());
  timer_->SetEnabled(true);
}

void TSeCustomScrollBar::RepeatStep() {
  // An error in a step stops the repeat before it goes on to the application.
  ScopeGuard stopOnError([this] { timer_->SetEnabled(false); });
  if ((pressed_.First && hot_.First) || model_.ContinuousUp) {
    Scroll(TScrollCode::scLineUp);
  } else if ((pressed_.Second && hot_.Second) || model_.ContinuousDown) {
    Scroll(TScrollCode::scLineDown);
  } else {
    const TPartFlags now = HotAt(lastPointer_);
    const bool changed = now.PageBefore != hot_.PageBefore || now.PageAfter != hot_.PageAfter;
    hot_.PageBefore = now.PageBefore;
    hot_.PageAfter = now.PageAfter;
    if (pressed_.PageBefore && hot_.PageBefore)
      Scroll(TScrollCode::scPageUp);
    else if (pressed_.PageAfter && hot_.PageAfter)
      Scroll(TScrollCode::scPageDown);
    if (changed) Invalidate();
  }
  stopOnError.Dismiss();
}

void TSeCustomScrollBar::PaintClient() {
  HDC dc = Canvas().Handle();
  const TSeScrollBarModel& m = Model();
  DrawBorder(dc);
  DrawTrack(dc, ToRect(m.TrackRect()));
  if (m.ShowButtons()) {
    DrawFirstButton(dc, ToRect(m.FirstButtonRect()));
    DrawSecondButton(dc, ToRect(m.SecondButtonRect()));
  }
  const bool designing = ComponentState().Contains(TComponentStateFlag::csDesigning);
  const RECT thumb = ToRect(m.ThumbRect());
  if ((Enabled() || designing) && !IsEmpty(thumb)) {
    DrawThumb(dc, thumb);
    if (pressed_.PageBefore) DrawPageBefore(dc, ToRect(m.PageBeforeRect()));
    if (pressed_.PageAfter) DrawPageAfter(dc, ToRect(m.PageAfterRect()));
  }
}

void TSeCustomScrollBar::DrawBorder(HDC dc) {
  if (BorderWidth() <= 0) return;
  Edge(dc, RECT{0, 0, Width(), Height()}, clBtnShadow, clBtnHighlight);
}

void TSeCustomScrollBar::DrawTrack(HDC dc, const RECT& r) {
  if (IsEmpty(r)) return;
  const bool h = Kind() == TScrollBarKind::sbHorizontal;
  if (DrawThemed(dc, h ? kPartTrackHorz : kPartTrackVert, Enabled() ? 1 : 4, r)) return;
  // The platform's checker of the scroll bar colour and the highlight.
  const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  Handles::Bitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
  Handles::Brush brush(CreatePatternBrush(bits.Get()));
  const COLORREF oldText = SetTextColor(dc, ColorToRGB(clScrollBar));
  const COLORREF oldBack = SetBkColor(dc, ColorToRGB(clBtnHighlight));
  FillRect(dc, &r, brush.Get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

namespace {

void DrawArrow(HDC dc, const RECT& r, bool horizontal, bool second, bool pressed, bool hot,
               bool disabled) {
  if (IsEmpty(r)) return;
  int state = disabled ? 4 : pressed ? 3 : hot ? 2 : 1;
  if (horizontal) state += 8;
  if (second) state += 4;
  if (DrawThemed(dc, kPartArrow, state, r)) return;
  UINT kind = horizontal ? (second ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                         : (second ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
  if (pressed) kind |= DFCS_PUSHED | DFCS_FLAT;
  if (disabled) kind |= DFCS_INACTIVE;
  RECT box = r;
  DrawFrameControl(dc, &box, DFC_SCROLL, kind);
}

}  // namespace

void TSeCustomScrollBar::DrawFirstButton(HDC dc, const RECT& r) {
  const bool disabled = !Enabled() && !ComponentState().Contains(TComponentStateFlag::csDesigning);
  DrawArrow(dc, r, Kind() == TScrollBarKind::sbHorizontal, false, pressed_.First, hot_.First,
            disabled);
}

void TSeCustomScrollBar::DrawSecondButton(HDC dc, const RECT& r) {
  const bool disabled = !Enabled() && !ComponentState().Contains(TComponentStateFlag::csDesigning);
  DrawArrow(dc, r, Kind() == TScrollBarKind::sbHorizontal, true, pressed_.Second, hot_.Second,
            disabled);
}

void TSeCustomScrollBar::DrawThumb(HDC dc, const RECT& r) {
  const bool h = Kind() == TScrollBarKind::sbHorizontal;
  const int state = !Enabled() ? 4 : Dragging() ? 3 : hot_.Thumb ? 2 : 1;
  if (DrawThemed(dc, h ? kPartThumbHorz : kPartThumbVert, state, r)) return;
  FillSolid(dc, r, clBtnFace);
  if (Dragging()) {
    Handles::Brush frame(CreateSolidBrush(ColorToRGB(clBtnShadow)));
    FrameRect(dc, &r, frame.Get());
    return;
  }
  Edge(dc, r, cl3DLight, cl3DDkShadow);
  const RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (!IsEmpty(inner)) Edge(dc, inner, clBtnHighlight, clBtnShadow);
}

void TSeCustomScrollBar::DrawPageBefore(HDC dc, const RECT& r) {
  if (IsEmpty(r)) return;
  const bool h = Kind() == TScrollBarKind::sbHorizontal;
  if (DrawThemed(dc, h ? kPartTrackHorz : kPartTrackVert, 3, r)) return;
  FillSolid(dc, r, cl3DDkShadow);
}

void TSeCustomScrollBar::DrawPageAfter(HDC dc, const RECT& r) {
  if (IsEmpty(r)) return;
  const bool h = Kind() == TScrollBarKind::sbHorizontal;
  if (DrawThemed(dc, h ? kPartTrackHorz + 1 : kPartTrackVert + 1, 3, r)) return;
  FillSolid(dc, r, cl3DDkShadow);
}
