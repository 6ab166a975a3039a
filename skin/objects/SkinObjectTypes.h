#pragma once

#include <cstdint>

#include "framework/core/TShiftState.h"

#include "framework/core/TEnumInfo.h"

// Enumerations of the skin object model, in their stored order.

enum class TSeAlign : std::uint8_t {
  saNone,
  saLeft,
  saMostLeft,
  saTop,
  saMostTop,
  saRight,
  saMostRight,
  saBottom,
  saMostBottom,
  saClient,
  saTopLeft,
  saTopRight,
  saBottomLeft,
  saBottomRight,
  saCenter,
  saText
};

// The last value keeps the spelling that stored skins use.
enum class TSeKind : std::uint8_t {
  skNone,
  skForm,
  skCaption,
  skTitle,
  skTop,
  skLeft,
  skRight,
  skBottom,
  skTopLeft,
  skTopRight,
  skBottomLeft,
  skBottomRight,
  skSysButton,
  skClient,
  skMenuBar,
  skMenuBarItem,
  skMenuBarItemText,
  skPopupMenu,
  skPopupMenuItem,
  skPopupMenuItemText,
  skItemText,
  skTranparent
};

enum class TSeTextAlign : std::uint8_t {
  taTopLeft,
  taTopCenter,
  taTopRight,
  taLeft,
  taCenter,
  taRight,
  taBottomLeft,
  taBottomCenter,
  taBottomRight
};

enum class TSeTextEffect : std::uint8_t { teNone, teShadow };

enum class TSeObjectState : std::uint8_t {
  osNormal,
  osPlaceholder,
  osMaximized,
  osMinimized,
  osRolledUp,
  osHot,
  osPressed,
  osFocused,
  osDisabled
};

enum class TSeAction : std::uint8_t {
  sbaNone,
  sbaClose,
  sbaHelp,
  sbaMinimize,
  sbaMaximize,
  sbaRestore,
  sbaRollUp,
  sbaRollDown,
  sbaTray,
  sbaSysMenu,
  sbaRollPanel,
  sbaCustom
};

enum class TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

enum class TscTileStyle : std::uint8_t { tsTile, tsStretch, tsCenter };

// The stored names of the enumerations above.
const TEnumInfo& SeAlignInfo();
const TEnumInfo& SeKindInfo();
const TEnumInfo& SeTextAlignInfo();
const TEnumInfo& SeTextEffectInfo();
const TEnumInfo& SeActionInfo();
const TEnumInfo& SeRollKindInfo();
const TEnumInfo& ScTileStyleInfo();

enum class TSeMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Mouse buttons and modifier keys held during a mouse event: the framework's shift state.
using TSeShiftState = TShiftState;
