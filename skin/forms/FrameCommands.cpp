#include "skin/forms/FrameCommands.h"

namespace FrameCommands {

using C = TSeFrameCommand;
using I = TSeBorderIcon;
using S = TSeWindowState;
using Z = TSeFrameZone;

TSeFrameCommand LeftButtonUp(TSeFrameZone downZone, TSeFrameZone upZone, bool doubleClick,
                             TSeBorderIcons icons, TSeWindowState state) {
  if (doubleClick) {
    if (icons.Contains(I::kbiMaximize) && downZone == Z::kfzCaption) {
      return state == S::kwsMinimized ? C::Restore : C::Maximize;
    }
    if (downZone == Z::kfzSysIcon) return C::Close;
  }
  if (downZone != upZone) return C::None;
  switch (downZone) {
    case Z::kfzClose:
      return C::Close;
    case Z::kfzHelp:
      return C::Help;
    case Z::kfzMinimize:
      return C::Minimize;
    case Z::kfzMaximize:
      return C::Maximize;
    case Z::kfzRollup:
      return C::Rollup;
    case Z::kfzTray:
      return C::Tray;
    case Z::kfzSysIcon:
      return C::SystemMenu;
    default:
      return C::None;
  }
}

TSeFrameCommand RightButtonUp(TSeFrameZone upZone) {
  return upZone == Z::kfzCaption ? C::SystemMenu : C::None;
}

std::vector<TSeFrameCommand> SystemMenuItems(TSeBorderIcons icons, TSeWindowState state) {
  const bool normal = state == S::kwsNormal;
  const bool hidden = state == S::kwsMinimized || state == S::kwsTray;
  std::vector<TSeFrameCommand> items;
  if (!normal) items.push_back(C::Restore);
  if (icons.Contains(I::kbiMinimize) && !hidden) items.push_back(C::Minimize);
  if (icons.Contains(I::kbiMaximize) && (normal || state == S::kwsRollup)) {
    items.push_back(C::Maximize);
  }
  if (icons.Contains(I::kbiRollup) && (normal || state == S::kwsMaximized)) {
    items.push_back(C::Rollup);
  }
  if (icons.Contains(I::kbiTray) && !hidden) items.push_back(C::Tray);
  if (icons.Contains(I::kbiClose)) {
    if (!items.empty()) items.push_back(C::None);
    items.push_back(C::Close);
  }
  return items;
}

std::int32_t SystemMenuImage(TSeFrameCommand command) {
  switch (command) {
    case C::Close:
      return 0;
    case C::Minimize:
      return 1;
    case C::Maximize:
      return 2;
    case C::Restore:
      return 3;
    case C::Rollup:
      return 4;
    case C::Tray:
      return 5;
    default:
      return -1;
  }
}

}  // namespace FrameCommands
