#include "skin/controls/win/TSeCustomMemo.h"

#include "framework/core/win/Handles.h"
#include "framework/core/win/TThemeLibrary.h"
#include "skin/controls/win/ControlTree.h"
#include "skin/controls/win/PlainDrawing.h"

TSeCustomMemo::TSeCustomMemo(TComponent* owner) : TMemo(owner) {}

TSeCustomMemo::~TSeCustomMemo() {
  // The bars leave their parent before they go; the window's last messages find no cover.
  std::unique_ptr<TSeSubScrollBar> cover = std::move(cover_);
}

TSeSubScrollBar& TSeCustomMemo::ScrollBarCover() {
  if (!cover_) {
    cover_ = std::make_unique<TSeSubScrollBar>(*this, [this] { return CreateScrollBarControl(); });
    cover_->SetParent(Parent());
  }
  return *cover_;
}

TSeCustomScrollBar* TSeCustomMemo::CreateScrollBarControl() {
  return new TSeCustomScrollBar(nullptr);
}

void TSeCustomMemo::SetParent(TWinControl* parent) {
  TMemo::SetParent(parent);
  // The bars are the memo's siblings.
  ScrollBarCover().SetParent(parent);
}

void TSeCustomMemo::WndProc(TMessage& message) {
  TMemo::WndProc(message);
  // After the platform has handled the message, so the bars show its new state.
  if (cover_ && HandleAllocated()) cover_->ControlMessage(message);
}

void TSeCustomMemo::WMNCPaint(TMessage& message) {
  DefaultHandler(message);
  RedrawBorder();
}

void TSeCustomMemo::RedrawBorder() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const RECT whole{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  RECT client{};
  GetClientRect(window, &client);
  OffsetRect(&client, origin.x - bounds.left, origin.y - bounds.top);
  Handles::WindowDC dc = Handles::WindowDC::Whole(window);
  if (!dc) return;
  ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  PaintBorder(dc.Get(), whole);
}

void TSeCustomMemo::PaintBorder(HDC dc, const RECT& rect) {
  if (HandleAllocated() && StylesActive(Handle(), L"Edit")) {
    Handles::Theme theme = Handles::OpenTheme(Handle(), L"Edit");
    const int state = !Enabled() ? 4 : Focused() ? 3 : hot_ ? 2 : 1;
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, state, &rect, nullptr);
    return;
  }
  // The corner between the two scroll bars, then the sunken double edge.
  FillSolid(dc, RECT{rect.right - 25, rect.bottom - 25, rect.right, rect.bottom}, clBtnFace);
  Edge(dc, rect, clBtnShadow, clBtnHighlight);
  const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  Edge(dc, inner, cl3DDkShadow, clBtnFace);
}

void TSeCustomMemo::WMThemeChanged(TMessage& message) {
  DefaultHandler(message);
  RedrawBorder();
}

void TSeCustomMemo::CMMouseEnter(TMessage& message) {
  hot_ = true;
  InheritedMessage<TSeCustomMemo>(message);
  RedrawBorder();
}

void TSeCustomMemo::CMMouseLeave(TMessage& message) {
  hot_ = false;
  InheritedMessage<TSeCustomMemo>(message);
  RedrawBorder();
}

void TSeCustomMemo::CMEnabledChanged(TMessage& message) {
  InheritedMessage<TSeCustomMemo>(message);
  RedrawBorder();
  if (cover_) cover_->Sync();
}

void TSeCustomMemo::CMFocusMoved(TMessage& message) {
  InheritedMessage<TSeCustomMemo>(message);
  RedrawBorder();
}
