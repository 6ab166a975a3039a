#pragma once

#include <cstdint>

#include "framework/core/Color.h"
#include "skin/objects/Geometry.h"

class TSeCanvas;

enum class TSeBevelCut : std::uint8_t {
  kbvNone,
  kbvLowered,
  kbvRaised,
  kbvSpace,
  kbvBorder,
  kbvFlatBorder
};

// A set of sides; the bits are those the edge primitive takes.
using TSeBevelSides = std::uint32_t;
inline constexpr TSeBevelSides kbsLeft = 1;
inline constexpr TSeBevelSides kbsTop = 2;
inline constexpr TSeBevelSides kbsRight = 4;
inline constexpr TSeBevelSides kbsBottom = 8;
inline constexpr TSeBevelSides kbsAll = kbsLeft | kbsTop | kbsRight | kbsBottom;

enum class TSeBevelKind : std::uint8_t { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };

// The bevels and plain border every windowed control base carries: the property rules, the
// inner rectangle they leave, and their classic (unthemed) painting. Setters answer whether
// anything changed, so the control knows to call BorderChanged and invalidate.
class TSeControlBorder {
 public:
  struct TBevelColors {
    TColor OuterLight, OuterDark, InnerLight, InnerDark;
  };
  static TBevelColors BevelColors(TSeBevelCut cut);

  TSeBevelCut BevelInner() const { return bevelInner_; }
  TSeBevelCut BevelOuter() const { return bevelOuter_; }
  TSeBevelSides BevelSides() const { return bevelSides_; }
  TSeBevelKind BevelKind() const { return bevelKind_; }
  std::int32_t BevelWidth() const { return bevelWidth_; }
  std::int32_t BorderWidth() const { return borderWidth_; }

  // Setting a bevel by hand leaves the preset (BevelKind becomes kbkNone).
  bool SetBevelInner(TSeBevelCut v);
  bool SetBevelOuter(TSeBevelCut v);
  bool SetBevelSides(TSeBevelSides v);
  // A preset other than kbkNone sets both bevels.
  bool SetBevelKind(TSeBevelKind v);
  bool SetBevelWidth(std::int32_t v);
  bool SetBorderWidth(std::int32_t v);

  // The rectangle inside border and bevels for a control of the given size. Negative widths
  // count as 0, and an inset larger than the control leaves an empty rectangle, never an
  // inverted one.
  TRect GetInnerRect(std::int32_t width, std::int32_t height) const;
  // Outer bevel, inner bevel, then BorderWidth outlines in COLOR, from the edge inwards.
  void PaintBorder(TSeCanvas& canvas, std::int32_t width, std::int32_t height, TColor color) const;

 private:
  TSeBevelCut bevelInner_ = TSeBevelCut::kbvLowered;
  TSeBevelCut bevelOuter_ = TSeBevelCut::kbvLowered;
  TSeBevelSides bevelSides_ = kbsAll;
  TSeBevelKind bevelKind_ = TSeBevelKind::kbkNone;
  std::int32_t bevelWidth_ = 0;
  std::int32_t borderWidth_ = 0;
};
