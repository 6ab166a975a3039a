#pragma once

#include <windows.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "framework/core/TComponent.h"
#include "framework/core/TEvent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/win/Handles.h"

using TShortCut = std::uint16_t;  // virtual key in the low byte, scShift/scCtrl/scAlt above
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
// "Ctrl+S", "Shift+Del", "F5": the text shown beside an item.
std::wstring ShortCutToText(TShortCut shortCut);

class TImageList;
class TPopupMenu;

class TMenuItem : public TComponent {
  QM_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static void DeclareProperties(TPropertyBuilder<TMenuItem>& p);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value) { caption_ = value; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value) { shortCut_ = value; }
  std::int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(std::int32_t value) { imageIndex_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value) { checked_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  bool IsLine() const { return caption_ == L"-"; }

  // Sub-items; an item takes ownership of the items added to it.
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* ParentItem() const { return parentItem_; }
  // The accelerator character (after a single '&'), or 0.
  wchar_t AcceleratorChar() const;

  void Click();
  TNotifyEvent OnClick;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 private:
  friend class TPopupMenu;
  std::wstring caption_;
  TShortCut shortCut_ = 0;
  std::int32_t imageIndex_ = -1;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  UINT command_ = 0;
  TMenuItem* parentItem_ = nullptr;
  TPopupMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
};
