#pragma once

#include <cstdint>

#include "framework/core/TEnumInfo.h"

// The enumerations the skinned controls store by name in window definitions.

// How a control paints: straight to the window, through the process-wide shared bitmap, or
// through a bitmap of its own made for each paint.
enum class TSePerformance : std::uint8_t { kspNoBuffer, kspSharedBuffer, kspDoubleBuffer };
const TEnumInfo& PerformanceInfo();

enum class TSeAlignment : std::uint8_t { ktaLeftJustify, ktaRightJustify, ktaCenter };
const TEnumInfo& LeftRightInfo();

enum class TSeButtonState : std::uint8_t { kbsNormal, kbsPressed };
const TEnumInfo& ButtonStateInfo();

enum class TBitBtnKind : std::uint8_t {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
const TEnumInfo& BitBtnKindInfo();

enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const TEnumInfo& ButtonLayoutInfo();

enum class TSePanelButtonKind : std::uint8_t { pbkRoll, pbkHide };
const TEnumInfo& PanelButtonKindInfo();

enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
const TEnumInfo& TextLayoutInfo();

// The preset of a button kind: caption, modal result, whether it is the default button.
struct TSeButtonKindPreset {
  const char16_t* Caption;
  std::int32_t ModalResult;
  bool Default;
};
// None for bkCustom, which changes nothing.
const TSeButtonKindPreset* ButtonKindPreset(TBitBtnKind kind);
