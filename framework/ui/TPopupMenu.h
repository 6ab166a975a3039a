#pragma once

// Popup menus: a tree of items with captions (& marks the accelerator), shortcut texts, images
// from an image list and click events, shown at a screen point.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/TComponent.h"
#include "framework/core/TEvent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/TMenuItem.h"

class TImageList;
class TPopupMenu;

class TPopupMenu : public TComponent {
  QM_CLASS(TPopupMenu, TComponent)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static void DeclareProperties(TPropertyBuilder<TPopupMenu>& p);

  TMenuItem* Items() { return items_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* value) { popupComponent_ = value; }

  // Shows the menu and runs the chosen item's click; returns the item or null.
  TMenuItem* Popup(int x, int y);
  // Builds the platform menu (for tests and for hosts that show it themselves). Its item
  // pictures live in this component until the next build.
  Handles::Menu BuildMenu(std::vector<TMenuItem*>& commands);
  TMenuItem* FindItem(UINT command, const std::vector<TMenuItem*>& commands) const;

  TNotifyEvent OnPopup;

  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 private:
  TMenuItem* items_;
  TImageList* images_ = nullptr;
  TComponent* popupComponent_ = nullptr;
  std::vector<Handles::Bitmap> itemBitmaps_;
};
