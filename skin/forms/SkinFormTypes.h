#pragma once

#include <cstdint>

#include "framework/core/TEnumInfo.h"
#include "framework/core/TSet.h"
#include "skin/objects/TSeSkinFormActions.h"

// Enumerations of the window frame, in their stored order, and the platform's hit-test answers.

// Which caption buttons a frame has (the icons themselves come with the skin objects).
using TSeBorderIcons = TSet<TSeBorderIcon>;

enum class TSeBorderStyle : std::uint8_t { kbsNone, kbsStandard, kbsToolWindow };

enum class TSeWindowState : std::uint8_t {
  kwsNormal,
  kwsMaximized,
  kwsMinimized,
  kwsRollup,
  kwsTray
};

enum class TSeFormDragMode : std::uint8_t { kfdmBorder, kfdmFullDrag };

enum class TSeDirection : std::uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };

// The show animation's effects; keRandomSelect picks one of the others each time.
enum class TkeEffect : std::uint8_t {
  keRandomSelect,
  keFade,
  keDiagonal,
  keDown,
  keIn,
  keOut,
  keRectIn,
  keRectOut,
  kePixel,
  kePixelLine,
  keDiamondIn,
  keDiamondOut,
  keSmoothDiagonal,
  keSmoothRectIn,
  keSmoothRectOut
};

// The stored names of the streamed enumerations above.
const TEnumInfo& SeFormDragModeInfo();
const TEnumInfo& SeDirectionInfo();
const TEnumInfo& KeEffectInfo();

// The frame's own hit codes; the platform answer is derived from them (SeHitTest::Answer).
enum class TSeFrameZone : std::uint8_t {
  kfzNone,
  kfzCaption,
  kfzLeft,
  kfzTop,
  kfzRight,
  kfzBottom,
  kfzBorder,
  kfzTopLeft,
  kfzTopRight,
  kfzBottomLeft,
  kfzBottomRight,
  kfzClose,
  kfzHelp,
  kfzMinimize,
  kfzMaximize,
  kfzRollup,
  kfzTray,
  kfzSysIcon,
  kfzSysButton
};

// WM_NCHITTEST answers with the platform's values. Named apart from the HT* macros so that
// portable code and <windows.h> can meet in one translation unit.
namespace SeHitTest {
inline constexpr std::int32_t Client = 1;
inline constexpr std::int32_t Caption = 2;
inline constexpr std::int32_t MinButton = 8;
inline constexpr std::int32_t MaxButton = 9;
inline constexpr std::int32_t Left = 10;
inline constexpr std::int32_t Right = 11;
inline constexpr std::int32_t Top = 12;
inline constexpr std::int32_t TopLeft = 13;
inline constexpr std::int32_t TopRight = 14;
inline constexpr std::int32_t Bottom = 15;
inline constexpr std::int32_t BottomLeft = 16;
inline constexpr std::int32_t BottomRight = 17;
inline constexpr std::int32_t Border = 18;
inline constexpr std::int32_t Close = 20;
inline constexpr std::int32_t Help = 21;
}  // namespace SeHitTest
