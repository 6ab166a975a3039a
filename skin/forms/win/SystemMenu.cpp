#include "skin/forms/win/SystemMenu.h"

#include <array>
#include <memory>

#include "framework/core/win/Handles.h"
#include "skin/objects/TSeBitmap.h"

namespace SystemMenu {

namespace {

using C = TSeFrameCommand;

// A bitmap resource as a skin picture, magenta made the key colour; null when missing.
std::unique_ptr<TSeBitmap> LoadResourceImage(const wchar_t* name) {
  const Handles::Bitmap loaded(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!loaded) return nullptr;
  BITMAP info{};
  if (!GetObjectW(loaded.Get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    return nullptr;
  }
  auto image = std::make_unique<TSeBitmap>();
  image->SetSize(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
  if (image->IsEmpty()) return nullptr;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = image->Width();
  format.bmiHeader.biHeight = -image->Height();  // top row first, as the picture keeps them
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  const Handles::WindowDC screen(nullptr);
  if (GetDIBits(screen.Get(), loaded.Get(), 0, static_cast<UINT>(image->Height()), image->Bits(),
                &format, DIB_RGB_COLORS) == 0) {
    return nullptr;
  }
  image->ReplaceColor(0xFF00FF);
  image->UpdateDeviceCopy();
  return image;
}

}  // namespace

std::u16string Caption(TSeFrameCommand command) {
  switch (command) {
    case C::Restore:
      return u"&Restore";
    case C::Minimize:
      return u"Mi&nimize";
    case C::Maximize:
      return u"Ma&ximize";
    case C::Rollup:
      return u"Ro&llup";
    case C::Tray:
      return u"Minimize to &Tray";
    case C::Close:
      return u"&Close";
    case C::None:
      return u"-";
    default:
      return u"";
  }
}

const TSeBitmap* Image(std::int32_t index) {
  static const std::array<std::unique_ptr<TSeBitmap>, 6> images = {
      LoadResourceImage(L"SE_FORM_CLOSE"),    LoadResourceImage(L"SE_FORM_MINIMIZE"),
      LoadResourceImage(L"SE_FORM_MAXIMIZE"), LoadResourceImage(L"SE_FORM_RESTORE"),
      LoadResourceImage(L"SE_FORM_ROLLUP"),   LoadResourceImage(L"SE_FORM_TRAY")};
  if (index < 0 || index >= static_cast<std::int32_t>(images.size())) return nullptr;
  return images[static_cast<std::size_t>(index)].get();
}

std::vector<TSeMenuEntry> Entries(TSeBorderIcons icons, TSeWindowState state) {
  std::vector<TSeMenuEntry> entries;
  for (const TSeFrameCommand command : FrameCommands::SystemMenuItems(icons, state)) {
    TSeMenuEntry entry;
    entry.Caption = Caption(command);
    entry.Command = static_cast<std::int32_t>(command);
    if (command == C::Close) entry.ShortCut = u"Alt+F4";
    entry.Image = Image(FrameCommands::SystemMenuImage(command));
    entries.push_back(entry);
  }
  return entries;
}

TSeFrameCommand Show(HWND owner, POINT at, TSeBorderIcons icons, TSeWindowState state,
                     const TSeSkinObject* popupObject) {
  TSeSkinPopupMenu menu(popupObject);
  const std::int32_t command = menu.Popup(owner, at, Entries(icons, state));
  if (command <= 0 || command > static_cast<std::int32_t>(C::SystemMenu)) return C::None;
  return static_cast<TSeFrameCommand>(command);
}

}  // namespace SystemMenu
