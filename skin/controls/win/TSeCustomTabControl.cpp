#include "skin/controls/win/TSeCustomTabControl.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/ScopeGuard.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/TImageList.h"
#include "framework/ui/TTimer.h"
#include "framework/ui/TextMeasure.h"
#include "framework/ui/WideText.h"
#include "skin/controls/win/PlainDrawing.h"
#include "skin/controls/win/TSeCustomTabSheet.h"

namespace {

// The first scroll step comes at once, the second after this delay, the rest at the interval.
constexpr UINT kRepeatDelay = 300;
constexpr UINT kRepeatInterval = 100;

RECT ToRECT(const TRect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

bool Vertical(TTabPosition p) {
  return p == TTabPosition::tpLeft || p == TTabPosition::tpRight;
}

void Line(HDC dc, int x1, int y1, int x2, int y2, TColor color) {
  Handles::Pen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  Handles::SelectedObject selected(dc, pen.Get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

const TEnumInfo& TabPositionInfo() {
  static const TEnumInfo info{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
  return info;
}

TSeTabStringList::TSeTabStringList(TSeCustomTabControl& control) : control_(control) {
  OnChange = TNotifyEvent([this](TObject*) { control_.TabsChanged(); });
}

void TSeTabStringList::SetUpdateState(bool updating) {
  // While the list is updating the control does not repaint on each change.
  control_.tabsUpdating_ = updating;
  TStringList::SetUpdateState(updating);
}

TSeCustomTabControl::TSeCustomTabControl(TComponent* owner)
    : TSeCustomControl(owner), tabs_(*this) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
  SetBounds(Left(), Top(), 289, 193);
  SetColor(clBtnFace);
  SetParentColor(true);
  SetTabStop(true);
}

TSeCustomTabControl::~TSeCustomTabControl() {
  // The pages may outlive the control (their owner is the form): they must not call back.
  for (TSeCustomTabSheet* page : pages_) page->tabControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
  tabs_.OnChange = {};
}

void TSeCustomTabControl::DeclareProperties(TPropertyBuilder<TSeCustomTabControl>& p) {
  p.Reference("ActivePage", &TSeCustomTabControl::ActivePage, &TSeCustomTabControl::SetActivePage);
  p.Reference("Images", &TSeCustomTabControl::Images, &TSeCustomTabControl::SetImages);
  p.Boolean("HotTrack", &TSeCustomTabControl::HotTrack, &TSeCustomTabControl::SetHotTrack)
      .Default(false);
  p.Boolean("MultiLine", &TSeCustomTabControl::MultiLine, &TSeCustomTabControl::SetMultiLine)
      .Default(false);
  p.Boolean("OwnerDraw", &TSeCustomTabControl::OwnerDraw, &TSeCustomTabControl::SetOwnerDraw)
      .Default(false);
  // With pages the captions come from the pages, so they are not stored twice.
  p.Object("Tabs", [](const TSeCustomTabControl& c) {
     return &c.tabs_;
   }).StoredIf([](const TSeCustomTabControl& c) { return !c.usePages_; });
  p.Enum("TabPosition", TabPositionInfo(), &TSeCustomTabControl::TabPosition,
         &TSeCustomTabControl::SetTabPosition)
      .Default(TTabPosition::tpTop);
  p.Integer("TabIndex", &TSeCustomTabControl::TabIndex, &TSeCustomTabControl::SetTabIndex)
      .Default(-1)
      .StoredIf([](const TSeCustomTabControl& c) { return !c.usePages_; });
  p.Boolean("RaggedRight", &TSeCustomTabControl::RaggedRight, &TSeCustomTabControl::SetRaggedRight)
      .Default(false);
  p.Boolean("ScrollOpposite", &TSeCustomTabControl::ScrollOpposite,
            &TSeCustomTabControl::SetScrollOpposite)
      .Default(false);
  p.Integer("TabHeight", &TSeCustomTabControl::TabHeight, &TSeCustomTabControl::SetTabHeight)
      .Default(0);
  p.Integer("TabWidth", &TSeCustomTabControl::TabWidth, &TSeCustomTabControl::SetTabWidth)
      .Default(0);
  p.Boolean("UsePages", &TSeCustomTabControl::UsePages, &TSeCustomTabControl::SetUsePages)
      .Default(false);
  p.Event("OnChange", &TSeCustomTabControl::OnChange);
  p.Event("OnChanging", &TSeCustomTabControl::OnChanging);
  p.Event("OnDrawTab", &TSeCustomTabControl::OnDrawTab);
}

void TSeCustomTabControl::CreateParams(TCreateParams& params) {
  TSeCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
}

// ---- Properties ----

void TSeCustomTabControl::SetImages(TImageList* value) {
  if (images_ == value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TSeCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TSeCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

void TSeCustomTabControl::SetHotTrack(bool value) {
  if (hotTrack_ == value) return;
  hotTrack_ = value;
  Invalidate();
}

void TSeCustomTabControl::SetMultiLine(bool value) {
  if (!value && Vertical(tabPosition_))
    throw std::runtime_error("MultiLine must be True when TabPosition is tpLeft or tpRight");
  if (multiLine_ == value) return;
  multiLine_ = value;
  ComputeRows();
  Realign();
  Invalidate();
}

void TSeCustomTabControl::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  Invalidate();
}

void TSeCustomTabControl::SetRaggedRight(bool value) {
  if (raggedRight_ == value) return;
  raggedRight_ = value;
  Invalidate();
}

void TSeCustomTabControl::SetScrollOpposite(bool value) {
  if (scrollOpposite_ == value) return;
  scrollOpposite_ = value;
  // Opposite rows only exist with several rows.
  if (value) multiLine_ = true;
  Realign();
  Invalidate();
}

void TSeCustomTabControl::SetTabs(const TStrings& value) {
  tabs_.BeginUpdate();
  ScopeGuard end([this] { tabs_.EndUpdate(); });
  tabs_.Clear();
  for (std::int32_t i = 0; i < value.Count(); ++i) tabs_.Add(value.Get(i));
}

void TSeCustomTabControl::SetTabPosition(TTabPosition value) {
  if (tabPosition_ == value) return;
  tabPosition_ = value;
  if (Vertical(value)) SetMultiLine(true);
  Invalidate();
  if (usePages_ && activePage_) RealignPages();
}

void TSeCustomTabControl::SetTabHeight(std::int32_t value) {
  if (tabHeight_ == value) return;
  tabHeight_ = value;
  Invalidate();
  Realign();
}

void TSeCustomTabControl::SetTabWidth(std::int32_t value) {
  if (tabWidth_ == value) return;
  tabWidth_ = value;
  Invalidate();
  Realign();
}

void TSeCustomTabControl::SetUsePages(bool value) {
  if (usePages_ == value) return;
  usePages_ = value;
  if (value && !Loading()) {
    while (ControlCount() > 0) delete Controls(ControlCount() - 1);
  }
  TabsChanged();
}

TSeCustomTabSheet* TSeCustomTabControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

// ---- Selection ----

bool TSeCustomTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TSeCustomTabControl::Change() {
  OnChange(this);
}

void TSeCustomTabControl::SetTabIndex(std::int32_t value) {
  if (Loading()) loadedTabIndex_ = value;
  if (value == tabIndex_ || value < 0 || value >= tabs_.Count()) return;
  const std::int32_t previous = tabIndex_;
  // The handler sees the new index; a refusal puts the old one back and nothing else happens.
  tabIndex_ = value;
  if (!CanChange()) {
    tabIndex_ = previous;
    return;
  }
  ShowSelectedTab();
  RepaintTabStrip();
  if (usePages_) {
    ActivatePageOfTab(tabIndex_);
    Realign();
  } else {
    Change();
  }
}

void TSeCustomTabControl::ShowSelectedTab() {
  ComputeRows();
  layout_.ShowSelectedTab();
}

void TSeCustomTabControl::ActivatePageOfTab(std::int32_t tab) {
  if (TSeCustomTabSheet* page = Pages(PageOfVisibleTab(tab))) SetActivePage(page);
}

void TSeCustomTabControl::SetActivePage(TSeCustomTabSheet* page) {
  if (page && page->tabControl_ != this) return;
  if (page && page == activePage_) {
    page->SetVisible(true);
    page->BringToFront();
    return;
  }
  if (page == activePage_) return;
  if (activePage_) activePage_->SetVisible(false);
  activePage_ = page;
  if (page) {
    page->SetVisible(true);
    page->BringToFront();
    tabIndex_ = page->PageVisible() ? VisibleTabOfPage(page->PageIndex()) : page->PageIndex();
    ShowSelectedTab();
    RepaintTabStrip();
  }
  Change();
}

std::int32_t TSeCustomTabControl::VisibleTabOfPage(std::int32_t pageIndex) const {
  if (pageIndex < 0 || pageIndex >= PageCount()) return -1;
  std::int32_t tab = -1;
  for (std::int32_t i = 0; i <= pageIndex; ++i)
    if (pages_[static_cast<std::size_t>(i)]->PageVisible()) ++tab;
  return tab;
}

std::int32_t TSeCustomTabControl::PageOfVisibleTab(std::int32_t tab) const {
  std::int32_t count = -1;
  for (std::int32_t i = 0; i < PageCount(); ++i) {
    if (pages_[static_cast<std::size_t>(i)]->PageVisible()) ++count;
    if (count == tab) return i;
  }
  return -1;
}

// ---- Pages and captions ----

void TSeCustomTabControl::TabsChanged() {
  if (inTabsChanged_) return;
  inTabsChanged_ = true;
  ScopeGuard leave([this] { inTabsChanged_ = false; });
  auto clampIndex = [this] {
    const std::int32_t count = tabs_.Count();
    if (count == 0)
      tabIndex_ = -1;
    else
      tabIndex_ = std::clamp(tabIndex_, 0, count - 1);
  };
  clampIndex();
  if (usePages_ && !Loading()) {
    // A caption added to the list without a page gets a page of its own.
    for (std::int32_t k = 0; k < tabs_.Count(); ++k) {
      const std::u16string caption = tabs_.Get(k);
      std::int32_t strings = 0;
      for (std::int32_t j = 0; j < tabs_.Count(); ++j)
        if (tabs_.Get(j) == caption) ++strings;
      const auto pages = std::count_if(pages_.begin(), pages_.end(), [&](TSeCustomTabSheet* page) {
        return ToUtf16(page->Caption()) == caption;
      });
      if (pages >= strings) continue;
      auto* sheet = new TSeCustomTabSheet(Owner());
      sheet->SetCaption(ToWide(caption));
      InsertPage(k, sheet);
      SetActivePage(sheet);
      tabIndex_ = k;
    }
  }
  if (usePages_) {
    std::vector<std::u16string> captions;
    for (TSeCustomTabSheet* page : pages_)
      if (page->PageVisible()) captions.push_back(ToUtf16(page->Caption()));
    bool same = static_cast<std::int32_t>(captions.size()) == tabs_.Count();
    for (std::size_t i = 0; same && i < captions.size(); ++i)
      same = tabs_.Get(static_cast<std::int32_t>(i)) == captions[i];
    if (!same) {
      tabs_.BeginUpdate();
      {
        ScopeGuard end([this] { tabs_.EndUpdate(); });
        tabs_.Clear();
        for (const std::u16string& caption : captions) tabs_.Add(caption);
      }
      clampIndex();
      ActivatePageOfTab(tabIndex_);
    }
  }
  if (!tabsUpdating_) {
    RepaintTabStrip();
    if (usePages_) Realign();
  }
}

void TSeCustomTabControl::InsertPage(std::int32_t index, TSeCustomTabSheet* sheet) {
  if (!sheet) return;
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, sheet);
  sheet->tabControl_ = this;
  if (sheet->Parent() != this) sheet->SetParent(this);
  TabsChanged();
  if (sheet->Caption().empty() && !Loading() && !sheet->Loading())
    sheet->SetCaption(L"New Page " + std::to_wstring(tabs_.Count() - 1));
  Invalidate();
}

void TSeCustomTabControl::RemovePage(TSeCustomTabSheet* sheet) {
  const auto it = std::find(pages_.begin(), pages_.end(), sheet);
  if (it == pages_.end()) return;
  {
    inTabsChanged_ = true;
    ScopeGuard leave([this] { inTabsChanged_ = false; });
    const std::int32_t tab = VisibleTabOfPage(sheet->PageIndex());
    if (tab >= 0 && tab < tabs_.Count()) tabs_.Delete(tab);
    pages_.erase(it);
  }
  sheet->tabControl_ = nullptr;
  if (activePage_ == sheet) {
    activePage_ = nullptr;
    if (tabs_.Count() > 0) {
      tabIndex_ = 0;
      ActivatePageOfTab(0);
    } else {
      tabIndex_ = -1;
    }
  } else if (activePage_) {
    // The active page keeps its tab; earlier pages going away move it down.
    tabIndex_ = VisibleTabOfPage(activePage_->PageIndex());
  } else {
    tabIndex_ = std::min(tabIndex_, tabs_.Count() - 1);
  }
  ShowSelectedTab();
  Invalidate();
  if (!tabsUpdating_) Realign();
}

void TSeCustomTabControl::MovePage(TSeCustomTabSheet* sheet, std::int32_t index) {
  const auto it = std::find(pages_.begin(), pages_.end(), sheet);
  if (it == pages_.end() || index < 0 || index >= PageCount()) return;
  std::iter_swap(it, pages_.begin() + index);
  TabsChanged();
}

void TSeCustomTabControl::GetChildren(const std::function<void(TComponent*)>& proc,
                                      TComponent* root) {
  if (!usePages_) {
    TSeCustomControl::GetChildren(proc, root);
    return;
  }
  // Pages in page order, then any other children.
  for (TSeCustomTabSheet* page : pages_)
    if (page->Owner() == root) proc(page);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Owner() == root && std::find(pages_.begin(), pages_.end(), child) == pages_.end())
      proc(child);
  }
}

void TSeCustomTabControl::Loaded() {
  TSeCustomControl::Loaded();
  TabsChanged();
  if (usePages_) ActivatePageOfTab(loadedTabIndex_ >= 0 ? loadedTabIndex_ : tabIndex_);
  ComputeRows();
  Realign();
}

void TSeCustomTabControl::RealignPages() {
  DisableAlign();
  {
    ScopeGuard enable([this] { EnableAlign(); });
    ComputeRows();
  }
  Realign();
  if (activePage_) activePage_->Invalidate();
}

// ---- Geometry ----

void TSeCustomTabControl::UpdateLayoutInputs() {
  layout_.TabPosition = tabPosition_;
  layout_.Width = Width();
  layout_.Height = Height();
  layout_.MarginLeft = GetMarginLeft();
  layout_.MarginTop = GetMarginTop();
  layout_.MarginRight = GetMarginRight();
  layout_.MarginBottom = GetMarginBottom();
  layout_.RowHeight = GetRowHeight();
  layout_.MultiLine = multiLine_;
  layout_.ScrollOpposite = scrollOpposite_;
  layout_.RaggedRight = raggedRight_;
  layout_.TabWidth = tabWidth_;
  layout_.TabIndex = tabIndex_;
  layout_.ScrollButtonSize = GetScrollButtonSize();
  layout_.NaturalWidths.resize(static_cast<std::size_t>(tabs_.Count()));
  for (std::int32_t i = 0; i < tabs_.Count(); ++i)
    layout_.NaturalWidths[static_cast<std::size_t>(i)] = tabWidth_ != 0 ? 0 : NaturalTabWidth(i);
}

void TSeCustomTabControl::ComputeRows() {
  UpdateLayoutInputs();
  layout_.ComputeRows();
}

std::int32_t TSeCustomTabControl::RowCount() {
  ComputeRows();
  return layout_.RowCount();
}

TRect TSeCustomTabControl::GetTabRect(std::int32_t index) {
  ComputeRows();
  return layout_.GetTabRect(index);
}

TRect TSeCustomTabControl::GetDisplayRect() {
  ComputeRows();
  return layout_.GetDisplayRect();
}

TRect TSeCustomTabControl::GetLeftButtonRect() {
  ComputeRows();
  return layout_.GetLeftButtonRect();
}

TRect TSeCustomTabControl::GetRightButtonRect() {
  ComputeRows();
  return layout_.GetRightButtonRect();
}

bool TSeCustomTabControl::NeedsScrollButtons() {
  ComputeRows();
  return layout_.NeedsScrollButtons();
}

bool TSeCustomTabControl::InLeftButton(int x, int y) {
  return NeedsScrollButtons() && PtInRect(layout_.GetLeftButtonRect(), TPoint{x, y});
}

bool TSeCustomTabControl::InRightButton(int x, int y) {
  return NeedsScrollButtons() && PtInRect(layout_.GetRightButtonRect(), TPoint{x, y});
}

std::int32_t TSeCustomTabControl::TabAtPoint(int x, int y) {
  ComputeRows();
  return layout_.TabAtPoint(TPoint{x, y});
}

void TSeCustomTabControl::ScrollTabs(std::int32_t delta) {
  ComputeRows();
  layout_.ScrollTabs(delta);
  RepaintTabStrip();
}

void TSeCustomTabControl::AdjustClientRect(RECT& rect) {
  const TRect display = GetDisplayRect();
  rect = RECT{display.Left + GetMarginLeft() + 1, display.Top + GetMarginTop() + 1,
              display.Right - GetMarginRight() - 1, display.Bottom - GetMarginBottom() - 1};
}

std::wstring TSeCustomTabControl::TabCaption(std::int32_t index) const {
  return index >= 0 && index < tabs_.Count() ? ToWide(tabs_.Get(index)) : std::wstring();
}

bool TSeCustomTabControl::HasTabImage(std::int32_t index) const {
  if (!usePages_ || !images_) return false;
  const TSeCustomTabSheet* page = Pages(PageOfVisibleTab(index));
  return page && page->ImageIndex() >= 0;
}

std::int32_t TSeCustomTabControl::NaturalTabWidth(std::int32_t index) {
  std::int32_t width = MeasureText(FontHandle(), TabCaption(index)).cx + 12;
  if (HasTabImage(index)) width += images_->Width();
  return width;
}

std::int32_t TSeCustomTabControl::GetRowHeight() {
  if (tabHeight_ > 0) return tabHeight_;
  std::int32_t height = MeasureText(FontHandle(), L"Pq").cy + 4;
  if (images_) height = std::max(height, images_->Height() + 4);
  return height;
}

TSize TSeCustomTabControl::GetScrollButtonSize() {
  const std::int32_t size = 2 * Font().Size();
  return TSize{size, size};
}

// ---- Mouse and keyboard ----

void TSeCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const bool wasLeft = LeftButtonPressed();
  const bool wasRight = RightButtonPressed();
  // The press is inside the button, so it shows hot too even without a move before it.
  if (InLeftButton(x, y)) leftPressed_ = leftHot_ = true;
  if (InRightButton(x, y)) rightPressed_ = rightHot_ = true;
  if ((LeftButtonPressed() && !wasLeft) || (RightButtonPressed() && !wasRight)) {
    RepaintTabStrip();
    StartRepeat();
    return;
  }
  const std::int32_t tab = TabAtPoint(x, y);
  if (tab < 0) return;
  if (CanFocus() && !Focused()) SetFocus();
  SetTabIndex(tab);
}

void TSeCustomTabControl::MouseMove(TShiftState shift, int x, int y) {
  TSeCustomControl::MouseMove(shift, x, y);
  const bool left = InLeftButton(x, y);
  const bool right = InRightButton(x, y);
  const std::int32_t hot = TabAtPoint(x, y);
  if (left == leftHot_ && right == rightHot_ && hot == hotTab_) return;
  leftHot_ = left;
  rightHot_ = right;
  hotTab_ = hot;
  RepaintTabStrip();
}

void TSeCustomTabControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  leftPressed_ = rightPressed_ = false;
  StopRepeat();
  RepaintTabStrip();
}

void TSeCustomTabControl::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeCustomTabControl>(message);
  if (!leftHot_ && !rightHot_ && hotTab_ < 0) return;
  leftHot_ = rightHot_ = false;
  hotTab_ = -1;
  RepaintTabStrip();
}

void TSeCustomTabControl::StartRepeat() {
  RepeatStep();
  if (!repeatTimer_) {
    repeatTimer_ = new TTimer(this);
    repeatTimer_->OnTimer = TNotifyEvent([this](TObject*) {
      repeatTimer_->SetInterval(kRepeatInterval);
      try {
        RepeatStep();
      } catch (...) {
        StopRepeat();
        throw;
      }
    });
  }
  repeatTimer_->SetEnabled(false);
  repeatTimer_->SetInterval(kRepeatDelay);
  repeatTimer_->SetEnabled(true);
}

void TSeCustomTabControl::StopRepeat() {
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

void TSeCustomTabControl::RepeatStep() {
  if (LeftButtonPressed())
    ScrollTabs(-1);
  else if (RightButtonPressed())
    ScrollTabs(1);
}

void TSeCustomTabControl::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS;
}

void TSeCustomTabControl::KeyDown(WORD& key, TShiftState shift) {
  TSeCustomControl::KeyDown(key, shift);
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      if (tabIndex_ > 0) SetTabIndex(tabIndex_ - 1);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      SetTabIndex(tabIndex_ + 1);
      break;
    default:
      break;
  }
}

void TSeCustomTabControl::CMDialogKey(TMessage& message) {
  // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs, wrapping, while the focus is on the
  // control or inside one of its pages.
  const HWND focus = GetFocus();
  const bool inside = HandleAllocated() && focus && (focus == Handle() || IsChild(Handle(), focus));
  if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && inside && tabs_.Count() > 0) {
    const std::int32_t count = tabs_.Count();
    const std::int32_t step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    SetTabIndex((std::max(tabIndex_, 0) + step) % count);
    message.Result = 1;
    return;
  }
  InheritedMessage<TSeCustomTabControl>(message);
}

void TSeCustomTabControl::CMDialogChar(TMessage& message) {
  const auto ch = static_cast<wchar_t>(message.WParam);
  if (CanFocus()) {
    for (std::int32_t i = 0; i < tabs_.Count(); ++i) {
      const std::wstring text = TabCaption(i);
      const auto amp = text.find(L'&');
      if (amp == std::wstring::npos || amp + 1 >= text.size() || text[amp + 1] == L'&') continue;
      if (CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(text[amp + 1]))) ==
          CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)))) {
        SetTabIndex(i);
        message.Result = 1;
        return;
      }
    }
  }
  InheritedMessage<TSeCustomTabControl>(message);
}

void TSeCustomTabControl::CMEnabledChanged(TMessage& message) {
  InheritedMessage<TSeCustomTabControl>(message);
  Invalidate();
}

void TSeCustomTabControl::CMFontChanged(TMessage& message) {
  InheritedMessage<TSeCustomTabControl>(message);
  Invalidate();
  Realign();
}

void TSeCustomTabControl::BoundsChanged() {
  const std::int32_t rows = layout_.RowCount();
  TSeCustomControl::BoundsChanged();
  if (multiLine_ && RowCount() != rows) {
    Realign();
    Invalidate();
  }
}

void TSeCustomTabControl::WMSize(TMessage& message) {
  InheritedMessage<TSeCustomTabControl>(message);
  if (usePages_ && activePage_) activePage_->Invalidate();
}

// ---- Painting ----

void TSeCustomTabControl::RepaintTabStrip() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TSeCustomTabControl::PaintBackground(HDC dc) {
  if (!Transparent()) FillSolid(dc, RECT{0, 0, PaintWidth(), PaintHeight()}, Color());
}

void TSeCustomTabControl::PaintClient() {
  PaintTabControl(Canvas().Handle());
}

void TSeCustomTabControl::PaintTabControl(HDC dc) {
  Handles::SavedDC saved(dc);
  PaintBackground(dc);
  PaintTabs(dc, false);
  PaintPageFrame(dc);
  PaintTabs(dc, true);
  if (NeedsScrollButtons()) {
    PaintLeftButton(dc);
    PaintRightButton(dc);
  }
}

void TSeCustomTabControl::PaintTabs(HDC dc, bool selected) {
  ComputeRows();
  if (selected) {
    if (tabIndex_ >= 0 && tabIndex_ < tabs_.Count()) PaintTab(dc, tabIndex_);
    return;
  }
  // Farther rows first, so nearer rows cover their lower parts.
  for (const std::int32_t i : layout_.TabPaintOrder()) PaintTab(dc, i);
}

void TSeCustomTabControl::PaintTab(HDC dc, std::int32_t index) {
  if (index < 0) return;
  const TRect r = GetTabRect(index);
  const TTabPosition side = layout_.TabSide(index);
  if (ownerDraw_) {
    OnDrawTab(this, index, ToRECT(r), index == tabIndex_);
    return;
  }
  PaintTabShape(dc, index, side, r);
  TRect text = r;
  if (HasTabImage(index)) {
    PaintTabImage(dc, index, side, r);
    const std::int32_t h = layout_.RowHeight;
    if (Vertical(side))
      text.Top += h;
    else
      text.Left += h;
  }
  const std::int32_t along = Vertical(side) ? RectHeight(r) : RectWidth(r);
  if (along > 8) PaintTabText(dc, index, side, text);
}

void TSeCustomTabControl::PaintTabShape(HDC dc, std::int32_t index, TTabPosition side,
                                        const TRect& rect) {
  const bool selected = index == tabIndex_;
  TRect r = rect;
  if (Handles::Theme theme = Handles::OpenTheme(Handle(), L"Tab")) {
    int state = 1;
    if (!Enabled())
      state = 4;
    else if (selected)
      state = 3;
    else if (index == hotTab_)
      state = 2;
    if (!selected) {
      if (Vertical(side)) {
        r.Left += GetMarginLeft();
        r.Right -= GetMarginLeft();
      } else {
        r.Top += GetMarginLeft();
        r.Bottom -= GetMarginLeft();
      }
    }
    const RECT box = ToRECT(r);
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, state, &box, nullptr);
    return;
  }
  // Classic: a raised tab in the face colour with cut corners; the selected one is larger and
  // joins the page.
  if (!selected) {
    switch (side) {
      case TTabPosition::tpTop:
        r.Top += 2;
        r.Bottom -= GetMarginTop();
        break;
      case TTabPosition::tpBottom:
        r.Bottom -= 2;
        r.Top += GetMarginBottom();
        break;
      case TTabPosition::tpLeft:
        r.Left += 2;
        r.Right -= GetMarginLeft();
        break;
      case TTabPosition::tpRight:
        r.Right -= 2;
        r.Left += GetMarginRight();
        break;
    }
  }
  FillSolid(dc, ToRECT(r), clBtnFace);
  const int l = r.Left;
  const int t = r.Top;
  const int rr = r.Right - 1;
  const int b = r.Bottom - 1;
  switch (side) {
    case TTabPosition::tpTop:
      Line(dc, l, b, l, t + 2, clBtnHighlight);
      Line(dc, l + 2, t, rr - 1, t, clBtnHighlight);
      Line(dc, rr - 1, t + 1, rr - 1, b + 1, clBtnShadow);
      Line(dc, rr, t + 2, rr, b + 1, cl3DDkShadow);
      break;
    case TTabPosition::tpBottom:
      Line(dc, l, t, l, b - 1, clBtnHighlight);
      Line(dc, l + 2, b, rr - 1, b, cl3DDkShadow);
      Line(dc, rr, t, rr, b - 1, cl3DDkShadow);
      Line(dc, rr - 1, t, rr - 1, b, clBtnShadow);
      break;
    case TTabPosition::tpLeft:
      Line(dc, l + 2, t, rr + 1, t, clBtnHighlight);
      Line(dc, l, t + 2, l, b - 1, clBtnHighlight);
      Line(dc, l + 2, b, rr + 1, b, cl3DDkShadow);
      break;
    case TTabPosition::tpRight:
      Line(dc, l, t, rr - 1, t, clBtnHighlight);
      Line(dc, rr, t + 2, rr, b - 1, cl3DDkShadow);
      Line(dc, l, b, rr - 1, b, cl3DDkShadow);
      break;
  }
  if (selected && Focused()) {
    RECT focus = ToRECT(r);
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void TSeCustomTabControl::PaintTabImage(HDC dc, std::int32_t index, TTabPosition side,
                                        const TRect& rect) {
  const TSeCustomTabSheet* page = Pages(PageOfVisibleTab(index));
  if (!page || !images_) return;
  const std::int32_t h = layout_.RowHeight;
  int x = rect.Left + 4;
  int y = rect.Top + (h - images_->Height()) / 2;
  if (side == TTabPosition::tpBottom) y = rect.Bottom - h + (h - images_->Height()) / 2;
  if (Vertical(side)) {
    x = side == TTabPosition::tpLeft ? rect.Left + (h - images_->Width()) / 2
                                     : rect.Right - h + (h - images_->Width()) / 2;
    y = rect.Top + 4;
  }
  images_->DrawTo(dc, x, y, page->ImageIndex());
}

void TSeCustomTabControl::PaintTabText(HDC dc, std::int32_t index, TTabPosition side,
                                       const TRect& rect) {
  TRect r = rect;
  if (index == tabIndex_) {
    r.Left -= 1;
    r.Top -= 1;
    r.Right += 1;
    r.Bottom += 1;
  } else if (side == TTabPosition::tpTop) {
    r.Top += 1;
  }
  const std::int32_t h = layout_.RowHeight;
  TColor color = Enabled() ? Font().Color() : clGrayText;
  if (hotTrack_ && index == hotTab_) color = clHighlight;
  Handles::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(color));
  const std::wstring text = TabCaption(index);
  if (!Vertical(side)) {
    RECT line = ToRECT(r);
    if (side == TTabPosition::tpTop)
      line.bottom = line.top + h;
    else
      line.top = line.bottom - h;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  // Turned text, clockwise on the right.
  LOGFONTW log{};
  GetObjectW(FontHandle(), sizeof(log), &log);
  const bool right = side == TTabPosition::tpRight;
  log.lfEscapement = log.lfOrientation = right ? 2700 : 900;
  Handles::Font turned(CreateFontIndirectW(&log));
  Handles::SelectedObject selected(dc, turned.Get());
  const SIZE extent = MeasureText(FontHandle(), text);
  const int column = right ? r.Right - h : r.Left;
  const int x = right ? column + (h + extent.cy) / 2 : column + (h - extent.cy) / 2;
  const int y =
      right ? r.Top + (RectHeight(r) - extent.cx) / 2 : r.Bottom - (RectHeight(r) - extent.cx) / 2;
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TSeCustomTabControl::PaintPageFrame(HDC dc) {
  const TRect display = GetDisplayRect();
  RECT r = ToRECT(display);
  if (Handles::Theme theme = Handles::OpenTheme(Handle(), L"Tab")) {
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 9, 1, &r, nullptr);
    return;
  }
  FillSolid(dc, r, clBtnFace);
  Line(dc, r.left, r.bottom - 1, r.left, r.top, clBtnHighlight);
  Line(dc, r.left, r.top, r.right - 1, r.top, clBtnHighlight);
  Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, cl3DDkShadow);
  Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, cl3DDkShadow);
  InflateRect(&r, -1, -1);
  Line(dc, r.left, r.bottom - 1, r.left, r.top, clBtnFace);
  Line(dc, r.left, r.top, r.right - 1, r.top, clBtnFace);
  Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, clBtnShadow);
  Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, clBtnShadow);
}

namespace {

void PaintPlainScrollButton(HWND window, HDC dc, const TRect& rect, bool leftArrow, bool hot,
                            bool pressed, bool enabled) {
  RECT r = ToRECT(rect);
  if (Handles::Theme theme = Handles::OpenTheme(window, L"ScrollBar")) {
    int state = pressed ? 3 : hot ? 2 : 1;
    if (!enabled) state = 4;
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, (leftArrow ? 8 : 12) + state, &r,
                                       nullptr);
    return;
  }
  UINT flags = leftArrow ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
  if (pressed) flags |= DFCS_PUSHED;
  if (!enabled) flags |= DFCS_INACTIVE;
  DrawFrameControl(dc, &r, DFC_SCROLL, flags);
}

}  // namespace

void TSeCustomTabControl::PaintLeftButton(HDC dc) {
  PaintPlainScrollButton(Handle(), dc, GetLeftButtonRect(), true, leftHot_, LeftButtonPressed(),
                         Enabled());
}

void TSeCustomTabControl::PaintRightButton(HDC dc) {
  PaintPlainScrollButton(Handle(), dc, GetRightButtonRect(), false, rightHot_, RightButtonPressed(),
                         Enabled());
}
