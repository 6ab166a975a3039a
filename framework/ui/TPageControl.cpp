#include "framework/ui/TPageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/CallbackGuard.h"
#include "framework/ui/WideText.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetVisible(false);
  SetAlign(alClient);
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::DeclareProperties(TPropertyBuilder<TTabSheet>& p) {
  p.Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
  p.Event("OnHide", &TTabSheet::OnHide);
  p.Event("OnShow", &TTabSheet::OnShow);
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"QmTabSheet";
}

void TTabSheet::SetParentComponent(TComponent* parent) {
  if (auto* pages = ObjectAs<TPageControl>(parent))
    SetPageControl(pages);
  else
    TWinControl::SetParentComponent(parent);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  if (pageControl_ == value) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(value);
  if (value) value->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
  if (tabVisible_ == value) return;
  tabVisible_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::CMSheetTextChanged(TMessage& message) {
  InheritedMessage<TTabSheet>(message);
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::CMSheetShowingChanged(TMessage& message) {
  InheritedMessage<TTabSheet>(message);
  // A handler's error must not stop the page switch.
  GuardCallback([this] {
    if (Showing())
      OnShow(this);
    else
      OnHide(this);
  });
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  SetColor(clBtnFace);
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
}

TPageControl::~TPageControl() {
  // The pages go with the children; they must not call back into a half-gone control.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

void TPageControl::DeclareProperties(TPropertyBuilder<TPageControl>& p) {
  p.String(
      "ActivePage",
      [](const TPageControl& c) { return c.activePage_ ? c.activePage_->Name() : std::string(); },
      [](TPageControl& c, const std::string& name) {
        c.activePageName_ = name;
        for (TTabSheet* page : c.pages_)
          if (page->Name() == name) c.SetActivePage(page);
      });
  p.Boolean("HotTrack", &TPageControl::HotTrack, &TPageControl::SetHotTrack).Default(false);
  p.Boolean("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine).Default(false);
  p.Event("OnChange", &TPageControl::OnChange);
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SysClassName = WC_TABCONTROLW;
  params.WinClassName = L"QmPageControl";
  params.Style |= WS_CLIPCHILDREN;
  if (multiLine_) params.Style |= TCS_MULTILINE;
  if (hotTrack_) params.Style |= TCS_HOTTRACK;
}

void TPageControl::CreateHandle() {
  TWinControl::CreateHandle();
  UpdateTabs();
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  for (TTabSheet* page : pages_)
    if (!activePageName_.empty() && page->Name() == activePageName_) SetActivePage(page);
  UpdateTabs();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TTabSheet* page : pages_) proc(page);
  (void)root;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  UpdateTabs();
  if (!activePage_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  page->pageControl_ = nullptr;
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!pages_.empty()) SetActivePage(pages_.front());
  }
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, static_cast<int>(pages_.size()));
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

int TPageControl::TabIndexOf(TTabSheet* page) const {
  int index = 0;
  for (TTabSheet* p : pages_) {
    if (!p->TabVisible()) {
      if (p == page) return -1;
      continue;
    }
    if (p == page) return index;
    ++index;
  }
  return -1;
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    std::wstring text = page->Caption();
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Handle(), TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(Handle(), TCM_SETCURSEL, TabIndexOf(activePage_), 0);
  Realign();
}

void TPageControl::AdjustClientRect(RECT& rect) {
  if (HandleAllocated())
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
}

void TPageControl::ShowActivePage() {
  for (TTabSheet* page : pages_)
    if (page != activePage_) page->SetVisible(false);
  if (activePage_) {
    activePage_->SetVisible(true);
    activePage_->BringToFront();
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (activePage_ == page) return;
  activePage_ = page;
  ShowActivePage();
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, TabIndexOf(page), 0);
}

int TPageControl::ActivePageIndex() const {
  if (!activePage_) return -1;
  return static_cast<int>(std::find(pages_.begin(), pages_.end(), activePage_) - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

void TPageControl::SetMultiLine(bool value) {
  if (multiLine_ == value) return;
  multiLine_ = value;
  RecreateWnd();
}

void TPageControl::SetHotTrack(bool value) {
  if (hotTrack_ == value) return;
  hotTrack_ = value;
  RecreateWnd();
}

void TPageControl::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return;
  const int tab = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
  for (TTabSheet* page : pages_) {
    if (TabIndexOf(page) != tab) continue;
    SetActivePage(page);
    OnChange(this);
    return;
  }
}
