#include "skin/controls/win/TSeInplaceScrollBar.h"

TSeInplaceScrollBar::TSeInplaceScrollBar(TWinControl& covered, TScrollBarKind kind,
                                         TSeCustomScrollBar* bar)
    : TWinControl(nullptr), covered_(covered), kind_(kind), bar_(bar) {
  // Hidden until the first Sync finds the platform bar shown.
  SetVisible(false);
  SetTabStop(false);
  bar_->SetKind(kind);
  bar_->SetBorderWidth(0);
  bar_->SetPerformance(TSePerformance::kspDoubleBuffer);
  bar_->SetTransparent(false);
  bar_->SetVisible(true);
  bar_->SetParent(this);
  bar_->OnScroll =
      TSeScrollEvent([this](TObject* sender, TScrollCode code, std::int32_t& position) {
        BarScroll(sender, code, position);
      });
}

void TSeInplaceScrollBar::WMEraseBkgnd(TMessage& message) {
  // The bar paints every pixel of the window.
  message.Result = 1;
}

void TSeInplaceScrollBar::KeepAbove(HWND covered) {
  const HWND self = Handle();
  for (HWND w = GetWindow(covered, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
    if (w == self) return;
  SetWindowPos(self, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TSeInplaceScrollBar::Sync() {
  if (!covered_.HandleAllocated() || !Parent()) return;
  const HWND covered = covered_.Handle();
  const bool vertical = kind_ == TScrollBarKind::sbVertical;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  const bool shown = GetScrollBarInfo(covered, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) &&
                     !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) &&
                     info.rcScrollBar.right > info.rcScrollBar.left &&
                     info.rcScrollBar.bottom > info.rcScrollBar.top;
  if (!shown) {
    SetVisible(false);
    return;
  }
  const POINT topLeft =
      Parent()->ScreenToClient(POINT{info.rcScrollBar.left, info.rcScrollBar.top});
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  SetBounds(topLeft.x, topLeft.y, width, height);
  SetVisible(true);
  KeepAbove(covered);
  bar_->SetBounds(0, 0, width, height);

  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(covered, vertical ? SB_VERT : SB_HORZ, &si)) si = SCROLLINFO{};
  // Min and Max clamp against each other: widen first, then narrow.
  if (si.nMin > bar_->Max()) {
    bar_->SetMax(si.nMax);
    bar_->SetMin(si.nMin);
  } else {
    bar_->SetMin(si.nMin);
    bar_->SetMax(si.nMax);
  }
  bar_->SetPageSize(static_cast<std::int32_t>(si.nPage));
  bar_->SetPosition(si.nPos);
  bar_->SetEnabled(covered_.Enabled());
  bar_->Invalidate();
}

void TSeInplaceScrollBar::ControlMessage(const TMessage& message) {
  if (!HandleAllocated() || !covered_.HandleAllocated() ||
      covered_.ComponentState().Contains(TComponentStateFlag::csDestroying) ||
      covered_.ComponentState().Contains(TComponentStateFlag::csDesigning))
    return;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_WINDOWPOSCHANGED:
      Sync();
      break;
    case CM_VISIBLECHANGED:
      if (covered_.Visible())
        Sync();
      else
        SetVisible(false);
      break;
    default:
      break;
  }
}

void TSeInplaceScrollBar::BarScroll(TObject*, TScrollCode code, std::int32_t& position) {
  if (!covered_.HandleAllocated()) return;
  const UINT msg = kind_ == TScrollBarKind::sbVertical ? WM_VSCROLL : WM_HSCROLL;
  const auto k = static_cast<WORD>(code);
  if (code == TScrollCode::scLineUp || code == TScrollCode::scLineDown)
    SendMessageW(covered_.Handle(), msg, MAKEWPARAM(k, 0), 0);
  else
    // The thumb's requests carry where the thumb goes; the platform ignores it for the rest.
    SendMessageW(covered_.Handle(), msg, MAKEWPARAM(k, static_cast<WORD>(position)), 0);
  Sync();
  // The bar shows where the platform really went.
  position = bar_->Position();
}
