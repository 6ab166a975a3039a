#pragma once

// A tab control drawn by the library: a strip of tabs along one side in one or several rows,
// rows that rotate so the selected tab's row touches the page, scroll buttons for a single row
// that does not fit, hot tracking, keyboard selection and change events. With UsePages each
// tab belongs to a page (TSeCustomTabSheet) and selecting a tab shows its page.
//
// Where the tabs lie is the portable TSeTabLayout's answer; this class feeds it the control's
// size, margins and measured captions and does the platform's part: messages, painting,
// the repeat timer and the pages.

#include <memory>
#include <string>
#include <vector>

#include "framework/core/TStringList.h"
#include "skin/controls/win/TSeCustomControl.h"
#include "skin/controls/TSeTabLayout.h"

class TImageList;
class TTimer;
class TSeCustomTabControl;
class TSeCustomTabSheet;

const TEnumInfo& TabPositionInfo();

// The caption list of a tab control: every change ends in the control's TabsChanged (once for
// a whole update).
class TSeTabStringList : public TStringList {
 public:
  explicit TSeTabStringList(TSeCustomTabControl& control);

 protected:
  void SetUpdateState(bool updating) override;

 private:
  TSeCustomTabControl& control_;
};

using TTabChangingEvent = TEvent<TObject*, bool&>;
using TDrawTabEvent = TEvent<TObject*, int, RECT, bool>;

class TSeCustomTabControl : public TSeCustomControl {
  QM_CLASS(TSeCustomTabControl, TSeCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomTabControl, TSeCustomControl,
    QM_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
    QM_MESSAGE(WM_SIZE, WMSize)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    QM_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_FONTCHANGED, CMFontChanged))
  // clang-format on

 public:
  explicit TSeCustomTabControl(TComponent* owner);
  ~TSeCustomTabControl() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomTabControl>& p);

  // Published properties.
  TSeCustomTabSheet* ActivePage() const { return usePages_ ? activePage_ : nullptr; }
  void SetActivePage(TSeCustomTabSheet* page);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  bool RaggedRight() const { return raggedRight_; }
  void SetRaggedRight(bool value);
  bool ScrollOpposite() const { return scrollOpposite_; }
  void SetScrollOpposite(bool value);
  TStrings& Tabs() { return tabs_; }
  void SetTabs(const TStrings& value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  std::int32_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(std::int32_t value);
  std::int32_t TabHeight() const { return tabHeight_; }
  void SetTabHeight(std::int32_t value);
  std::int32_t TabWidth() const { return tabWidth_; }
  void SetTabWidth(std::int32_t value);
  bool UsePages() const { return usePages_; }
  void SetUsePages(bool value);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;

  // Run-time state.
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TSeCustomTabSheet* Pages(int index) const;
  std::int32_t RowCount();
  std::int32_t FirstVisibleTab() const { return layout_.FirstVisibleTab; }
  std::int32_t HotTab() const { return hotTab_; }
  bool LeftButtonPressed() const { return leftPressed_ && leftHot_; }
  bool RightButtonPressed() const { return rightPressed_ && rightHot_; }
  bool LeftButtonHot() const { return leftHot_; }
  bool RightButtonHot() const { return rightHot_; }

  // Geometry in client coordinates, after ComputeRows.
  void ComputeRows();
  TRect GetTabRect(std::int32_t index);
  TRect GetDisplayRect();
  TRect GetLeftButtonRect();
  TRect GetRightButtonRect();
  bool NeedsScrollButtons();
  std::int32_t TabAtPoint(int x, int y);
  void ScrollTabs(std::int32_t delta);
  // The page area the pages fill: the display rectangle inside the frame's margins.
  void AdjustClientRect(RECT& rect) override;

  // A page's tab, counting only pages whose tab shows; and the reverse.
  std::int32_t VisibleTabOfPage(std::int32_t pageIndex) const;
  std::int32_t PageOfVisibleTab(std::int32_t tab) const;

  void TabsChanged();
  void InsertPage(std::int32_t index, TSeCustomTabSheet* sheet);
  void RemovePage(TSeCustomTabSheet* sheet);

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 protected:
  // Margins of the page frame; the skinned control takes them from its skin.
  virtual std::int32_t GetMarginLeft() { return 2; }
  virtual std::int32_t GetMarginTop() { return 2; }
  virtual std::int32_t GetMarginRight() { return 2; }
  virtual std::int32_t GetMarginBottom() { return 2; }
  // The caption's width + 12, plus the page's image.
  virtual std::int32_t NaturalTabWidth(std::int32_t index);
  virtual std::int32_t GetRowHeight();
  virtual TSize GetScrollButtonSize();
  virtual void PaintTab(HDC dc, std::int32_t index);
  virtual void PaintTabShape(HDC dc, std::int32_t index, TTabPosition side, const TRect& rect);
  virtual void PaintTabImage(HDC dc, std::int32_t index, TTabPosition side, const TRect& rect);
  virtual void PaintTabText(HDC dc, std::int32_t index, TTabPosition side, const TRect& rect);
  virtual void PaintPageFrame(HDC dc);
  virtual void PaintLeftButton(HDC dc);
  virtual void PaintRightButton(HDC dc);
  bool InLeftButton(int x, int y);
  bool InRightButton(int x, int y);
  // The whole picture: background, tabs, frame, the selected tab over it, scroll buttons.
  void PaintClient() override;
  void PaintTabControl(HDC dc);
  // The background behind the tabs: the control's colour, or the parent's image (already
  // there) when Transparent.
  virtual void PaintBackground(HDC dc);

  void CreateParams(TCreateParams& params) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void BoundsChanged() override;
  virtual bool CanChange();
  virtual void Change();
  void RepaintTabStrip();
  // Text drawn on a tab: the font's colour, or the highlight while hot-tracked.
  std::wstring TabCaption(std::int32_t index) const;
  bool HasTabImage(std::int32_t index) const;

  void WMGetDlgCode(TMessage& message);
  void WMSize(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

 private:
  friend class TSeCustomTabSheet;
  friend class TSeTabStringList;
  void UpdateLayoutInputs();
  void ShowSelectedTab();
  void StartRepeat();
  void StopRepeat();
  void RepeatStep();
  void RealignPages();
  void ActivatePageOfTab(std::int32_t tab);
  void MovePage(TSeCustomTabSheet* sheet, std::int32_t index);
  void PaintTabs(HDC dc, bool selected);

  TSeTabLayout layout_;
  TSeTabStringList tabs_;
  std::vector<TSeCustomTabSheet*> pages_;
  TSeCustomTabSheet* activePage_ = nullptr;
  TImageList* images_ = nullptr;
  TTimer* repeatTimer_ = nullptr;
  std::int32_t tabIndex_ = -1;
  std::int32_t loadedTabIndex_ = -1;
  std::int32_t tabHeight_ = 0;
  std::int32_t tabWidth_ = 0;
  std::int32_t hotTab_ = -1;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  bool hotTrack_ = false;
  bool multiLine_ = false;
  bool ownerDraw_ = false;
  bool raggedRight_ = false;
  bool scrollOpposite_ = false;
  bool usePages_ = false;
  bool leftHot_ = false;
  bool rightHot_ = false;
  bool leftPressed_ = false;
  bool rightPressed_ = false;
  bool tabsUpdating_ = false;
  bool inTabsChanged_ = false;
};
