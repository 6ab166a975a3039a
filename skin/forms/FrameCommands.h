#pragma once

#include <cstdint>
#include <vector>

#include "skin/forms/SkinFormTypes.h"

// What the frame does when a button is released on it, and which commands its built-in system
// menu offers; the frame runs the chosen command (DoClose, DoMaximize, ...) itself.
enum class TSeFrameCommand : std::uint8_t {
  None,
  Restore,
  Minimize,
  Maximize,
  Rollup,
  Tray,
  Close,
  Help,
  SystemMenu
};

namespace FrameCommands {

// The left button released at upZone after a press at downZone (doubleClick: the second press
// of a double click); the right button opens the system menu over the caption.
TSeFrameCommand LeftButtonUp(TSeFrameZone downZone, TSeFrameZone upZone, bool doubleClick,
                             TSeBorderIcons icons, TSeWindowState state);
TSeFrameCommand RightButtonUp(TSeFrameZone upZone);

// The built-in system menu, in order; None stands for the separator before Close.
std::vector<TSeFrameCommand> SystemMenuItems(TSeBorderIcons icons, TSeWindowState state);
// The item's picture in the frame's image list (close, minimize, maximize, restore, roll-up,
// tray), or -1.
std::int32_t SystemMenuImage(TSeFrameCommand command);

}  // namespace FrameCommands
