#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/forms/FrameCommands.h"
#include "skin/forms/win/TSeSkinPopupMenu.h"

class TSeBitmap;
class TSeSkinObject;

// The frame's built-in system menu: its entries for the window's icons and state, with the
// six pictures linked into the program as bitmap resources (SE_FORM_CLOSE, SE_FORM_MINIMIZE,
// SE_FORM_MAXIMIZE, SE_FORM_RESTORE, SE_FORM_ROLLUP, SE_FORM_TRAY; magenta is transparent).
// Each entry's command is the frame command's number, so the caller gets back what to run.
namespace SystemMenu {

std::u16string Caption(TSeFrameCommand command);

// The picture of that index (0..5, the frame's image list order), loaded once per process
// from the program's resources; null when the program links none.
const TSeBitmap* Image(std::int32_t index);

std::vector<TSeMenuEntry> Entries(TSeBorderIcons icons, TSeWindowState state);

// Pops the menu up at the screen point for owner, painted from popupObject (the skin's
// "PopupMenu", or null for the platform's menu), and answers the chosen command (None when
// the menu was closed without a choice).
TSeFrameCommand Show(HWND owner, POINT at, TSeBorderIcons icons, TSeWindowState state,
                     const TSeSkinObject* popupObject);

}  // namespace SystemMenu
