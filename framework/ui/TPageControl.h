#pragma once

// The platform's tab control holding pages: one TTabSheet per tab, the active one shown and
// filling the area under the tabs.

#include <vector>

#include "framework/ui/TTabSheet.h"
#include "framework/ui/TWinControl.h"

class TPageControl;

class TPageControl : public TWinControl {
  QM_CLASS(TPageControl, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TPageControl, TWinControl,
    QM_MESSAGE(CN_NOTIFY, CNNotify))
  // clang-format on

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  static void DeclareProperties(TPropertyBuilder<TPageControl>& p);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value);
  void AdjustClientRect(RECT& rect) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  void CNNotify(TMessage& message);

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void UpdateTabs();
  // The tab index of a page, counting only pages whose tab is visible; -1 when hidden.
  int TabIndexOf(TTabSheet* page) const;
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  std::string activePageName_;  // read before the pages exist
  bool multiLine_ = false;
  bool hotTrack_ = false;
};
