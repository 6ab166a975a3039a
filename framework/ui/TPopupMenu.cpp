#include "framework/ui/TPopupMenu.h"

#include <algorithm>

#include "framework/ui/TApplication.h"
#include "framework/ui/TImageList.h"
#include "framework/ui/WideText.h"

std::wstring ShortCutToText(TShortCut shortCut) {
  const UINT key = shortCut & 0xFF;
  if (key == 0) return L"";
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<wchar_t>(key);
  } else if (key >= VK_F1 && key <= VK_F24) {
    text += L"F" + std::to_wstring(key - VK_F1 + 1);
  } else {
    switch (key) {
      case VK_BACK:
        text += L"BkSp";
        break;
      case VK_TAB:
        text += L"Tab";
        break;
      case VK_RETURN:
        text += L"Enter";
        break;
      case VK_ESCAPE:
        text += L"Esc";
        break;
      case VK_SPACE:
        text += L"Space";
        break;
      case VK_PRIOR:
        text += L"PgUp";
        break;
      case VK_NEXT:
        text += L"PgDn";
        break;
      case VK_END:
        text += L"End";
        break;
      case VK_HOME:
        text += L"Home";
        break;
      case VK_LEFT:
        text += L"Left";
        break;
      case VK_UP:
        text += L"Up";
        break;
      case VK_RIGHT:
        text += L"Right";
        break;
      case VK_DOWN:
        text += L"Down";
        break;
      case VK_INSERT:
        text += L"Ins";
        break;
      case VK_DELETE:
        text += L"Del";
        break;
      default:
        return L"";
    }
  }
  return text;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  // Sub-items may be owned elsewhere (a form that read them); unlink them either way.
  for (TMenuItem* item : items_) item->parentItem_ = nullptr;
  if (parentItem_) parentItem_->Remove(this);
}

void TMenuItem::DeclareProperties(TPropertyBuilder<TMenuItem>& p) {
  p.WideString(
      "Caption", [](const TMenuItem& m) { return ToUtf16(m.Caption()); },
      [](TMenuItem& m, const std::u16string& v) { m.SetCaption(ToWide(v)); });
  p.Boolean("Checked", &TMenuItem::checked_).Default(false);
  p.Boolean("Enabled", &TMenuItem::enabled_).Default(true);
  p.Integer("ImageIndex", &TMenuItem::imageIndex_).Default(-1);
  p.Integer(
       "ShortCut", [](const TMenuItem& m) { return static_cast<std::int32_t>(m.ShortCut()); },
       [](TMenuItem& m, std::int32_t v) { m.SetShortCut(static_cast<TShortCut>(v)); })
      .Default(0);
  p.Boolean("Visible", &TMenuItem::visible_).Default(true);
  p.Event("OnClick", &TMenuItem::OnClick);
}

void TMenuItem::Add(TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parentItem_) item->parentItem_->Remove(item);
  item->parentItem_ = this;
  items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  if (item->parentItem_ == this) item->parentItem_ = nullptr;
}

wchar_t TMenuItem::AcceleratorChar() const {
  for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != L'&') continue;
    if (caption_[i + 1] == L'&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption_[i + 1]));
  }
  return 0;
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parentItem_ && parentItem_->menu_ && parentItem_ == parentItem_->menu_->Items())
    return parentItem_->menu_;
  return parentItem_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = ObjectAs<TPopupMenu>(parent))
    menu->Items()->Add(this);
  else if (auto* item = ObjectAs<TMenuItem>(parent))
    item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  (void)root;
  for (TMenuItem* item : items_) proc(item);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
  items_->menu_ = this;
}

TPopupMenu::~TPopupMenu() {
  delete items_;
}

void TPopupMenu::DeclareProperties(TPropertyBuilder<TPopupMenu>& p) {
  p.Reference("Images", &TPopupMenu::Images, &TPopupMenu::SetImages);
  p.Event("OnPopup", &TPopupMenu::OnPopup);
}

void TPopupMenu::SetImages(TImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (images_ && component == images_) images_ = nullptr;
  if (component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  (void)root;
  for (int i = 0; i < items_->Count(); ++i) proc(items_->Items(i));
}

Handles::Menu TPopupMenu::BuildMenu(std::vector<TMenuItem*>& commands) {
  itemBitmaps_.clear();
  std::function<Handles::Menu(TMenuItem*)> build = [&](TMenuItem* parent) {
    Handles::Menu menu(CreatePopupMenu());
    for (int i = 0; i < parent->Count(); ++i) {
      TMenuItem* item = parent->Items(i);
      if (!item->Visible()) continue;
      if (item->IsLine()) {
        AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
        continue;
      }
      std::wstring text = item->Caption();
      const std::wstring shortcut = ShortCutToText(item->ShortCut());
      if (!shortcut.empty()) text += L"\t" + shortcut;
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
      info.dwTypeData = text.data();
      info.fState =
          (item->Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item->Checked() ? MFS_CHECKED : 0);
      commands.push_back(item);
      item->command_ = static_cast<UINT>(commands.size());
      info.wID = item->command_;
      Handles::Menu submenu;
      if (item->Count() > 0) {
        submenu = build(item);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.Get();
      }
      if (images_ && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count()) {
        TBitmap image(images_->Width(), images_->Height());
        image.Canvas().SetBrushColor(clMenu);
        image.Canvas().FillRect(RECT{0, 0, image.Width(), image.Height()});
        images_->DrawTo(image.DC(), 0, 0, item->ImageIndex());
        // The menu keeps the bitmap's handle: a copy that lives as long as the menu.
        Handles::Bitmap copy(static_cast<HBITMAP>(
            CopyImage(image.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = copy.Get();
        itemBitmaps_.push_back(std::move(copy));
      }
      // A submenu in place is freed with its parent.
      if (InsertMenuItemW(menu.Get(), GetMenuItemCount(menu.Get()), TRUE, &info))
        (void)submenu.Release();
    }
    return menu;
  };
  return build(items_);
}

TMenuItem* TPopupMenu::FindItem(UINT command, const std::vector<TMenuItem*>& commands) const {
  if (command == 0 || command > commands.size()) return nullptr;
  return commands[command - 1];
}

TMenuItem* TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  std::vector<TMenuItem*> commands;
  Handles::Menu menu = BuildMenu(commands);
  const HWND owner = Application->Handle();
  SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, x,
                     y, 0, owner, nullptr));
  menu.Reset();
  itemBitmaps_.clear();
  TMenuItem* item = FindItem(command, commands);
  if (item) item->Click();
  return item;
}
