#include "skin/controls/TSeControlBorder.h"

#include <algorithm>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/TSeCanvas.h"

TSeControlBorder::TBevelColors TSeControlBorder::BevelColors(TSeBevelCut cut) {
  switch (cut) {
    case TSeBevelCut::kbvNone:
      break;
    case TSeBevelCut::kbvLowered:
      return {clBtnShadow, clBtnHighlight, cl3DDkShadow, clBtnFace};
    case TSeBevelCut::kbvRaised:
      return {clBtnHighlight, cl3DDkShadow, clBtnShadow, clBtnShadow};
    case TSeBevelCut::kbvSpace:
      return {clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    case TSeBevelCut::kbvBorder:
      return {cl3DDkShadow, cl3DDkShadow, clWindow, clWindow};
    case TSeBevelCut::kbvFlatBorder:
      return {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace};
  }
  return {clNone, clNone, clNone, clNone};
}

bool TSeControlBorder::SetBevelInner(TSeBevelCut v) {
  if (v == FBevelInner) return false;
  FBevelKind = TSeBevelKind::kbkNone;
  FBevelInner = v;
  return true;
}

bool TSeControlBorder::SetBevelOuter(TSeBevelCut v) {
  if (v == FBevelOuter) return false;
  FBevelKind = TSeBevelKind::kbkNone;
  FBevelOuter = v;
  return true;
}

bool TSeControlBorder::SetBevelSides(TSeBevelSides v) {
  v &= kbsAll;
  if (v == FBevelSides) return false;
  FBevelSides = v;
  return true;
}

bool TSeControlBorder::SetBevelKind(TSeBevelKind v) {
  if (v == FBevelKind) return false;
  switch (v) {
    case TSeBevelKind::kbkNone:
      break;
    case TSeBevelKind::kbkSingle:
    case TSeBevelKind::kbkTile:
    case TSeBevelKind::kbkSoft:
      FBevelInner = FBevelOuter = TSeBevelCut::kbvLowered;
      break;
    case TSeBevelKind::kbkBorder:
      FBevelInner = FBevelOuter = TSeBevelCut::kbvBorder;
      break;
    case TSeBevelKind::kbkFlat:
      FBevelInner = FBevelOuter = TSeBevelCut::kbvFlatBorder;
      break;
  }
  FBevelKind = v;
  return true;
}

bool TSeControlBorder::SetBevelWidth(std::int32_t v) {
  if (v == FBevelWidth) return false;
  FBevelWidth = v;
  return true;
}

bool TSeControlBorder::SetBorderWidth(std::int32_t v) {
  if (v == FBorderWidth) return false;
  FBorderWidth = v;
  return true;
}

TRect TSeControlBorder::GetInnerRect(std::int32_t width, std::int32_t height) const {
  const std::int64_t border = std::max(FBorderWidth, 0);
  const std::int64_t bevels =
      (FBevelInner != TSeBevelCut::kbvNone ? 1 : 0) + (FBevelOuter != TSeBevelCut::kbvNone ? 1 : 0);
  const std::int64_t bevel = std::int64_t{std::max(FBevelWidth, 0)} * bevels;
  auto inset = [&](TSeBevelSides side) { return border + ((FBevelSides & side) ? bevel : 0); };
  const auto left = static_cast<std::int32_t>(std::min<std::int64_t>(inset(kbsLeft), width));
  const auto top = static_cast<std::int32_t>(std::min<std::int64_t>(inset(kbsTop), height));
  const auto right =
      static_cast<std::int32_t>(std::max<std::int64_t>(left, width - inset(kbsRight)));
  const auto bottom =
      static_cast<std::int32_t>(std::max<std::int64_t>(top, height - inset(kbsBottom)));
  return Rect(left, top, right, bottom);
}

void TSeControlBorder::PaintBorder(TSeCanvas& canvas, std::int32_t width, std::int32_t height,
                                   TColor color) const {
  TRect r = Rect(0, 0, width, height);
  if (GetInnerRect(width, height) == r || IsRectEmpty(r)) return;
  // Never more passes than the control has pixels: a huge width would only repaint the same.
  const std::int32_t limit = std::max(width, height) / 2 + 1;
  const std::int32_t bevelWidth = std::min(FBevelWidth, limit);
  auto shrink = [&](std::int32_t n) {
    if (FBevelSides & kbsLeft) r.Left += n;
    if (FBevelSides & kbsTop) r.Top += n;
    if (FBevelSides & kbsRight) r.Right -= n;
    if (FBevelSides & kbsBottom) r.Bottom -= n;
  };
  if (bevelWidth > 0) {
    if (FBevelOuter != TSeBevelCut::kbvNone) {
      const TBevelColors c = BevelColors(FBevelOuter);
      DrawEdges(canvas, r, FBevelSides, c.OuterDark, c.OuterLight, bevelWidth);
      shrink(bevelWidth);
    }
    if (FBevelInner != TSeBevelCut::kbvNone) {
      const TBevelColors c = BevelColors(FBevelInner);
      DrawEdges(canvas, r, FBevelSides, c.InnerDark, c.InnerLight, bevelWidth);
      shrink(bevelWidth);
    }
  }
  for (std::int32_t i = 0; i < std::min(FBorderWidth, limit); ++i) {
    if (IsRectEmpty(r)) break;
    FrameRectColor(canvas, r, color);
    r = InflateBy(r, -1);
  }
}
