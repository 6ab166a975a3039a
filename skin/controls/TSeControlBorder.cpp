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
  if (v == bevelInner_) return false;
  bevelKind_ = TSeBevelKind::kbkNone;
  bevelInner_ = v;
  return true;
}

bool TSeControlBorder::SetBevelOuter(TSeBevelCut v) {
  if (v == bevelOuter_) return false;
  bevelKind_ = TSeBevelKind::kbkNone;
  bevelOuter_ = v;
  return true;
}

bool TSeControlBorder::SetBevelSides(TSeBevelSides v) {
  v &= kbsAll;
  if (v == bevelSides_) return false;
  bevelSides_ = v;
  return true;
}

bool TSeControlBorder::SetBevelKind(TSeBevelKind v) {
  if (v == bevelKind_) return false;
  switch (v) {
    case TSeBevelKind::kbkNone:
      break;
    case TSeBevelKind::kbkSingle:
    case TSeBevelKind::kbkTile:
    case TSeBevelKind::kbkSoft:
      bevelInner_ = bevelOuter_ = TSeBevelCut::kbvLowered;
      break;
    case TSeBevelKind::kbkBorder:
      bevelInner_ = bevelOuter_ = TSeBevelCut::kbvBorder;
      break;
    case TSeBevelKind::kbkFlat:
      bevelInner_ = bevelOuter_ = TSeBevelCut::kbvFlatBorder;
      break;
  }
  bevelKind_ = v;
  return true;
}

bool TSeControlBorder::SetBevelWidth(std::int32_t v) {
  if (v == bevelWidth_) return false;
  bevelWidth_ = v;
  return true;
}

bool TSeControlBorder::SetBorderWidth(std::int32_t v) {
  if (v == borderWidth_) return false;
  borderWidth_ = v;
  return true;
}

TRect TSeControlBorder::GetInnerRect(std::int32_t width, std::int32_t height) const {
  const std::int64_t border = std::max(borderWidth_, 0);
  const std::int64_t bevels =
      (bevelInner_ != TSeBevelCut::kbvNone ? 1 : 0) + (bevelOuter_ != TSeBevelCut::kbvNone ? 1 : 0);
  const std::int64_t bevel = std::int64_t{std::max(bevelWidth_, 0)} * bevels;
  auto inset = [&](TSeBevelSides side) { return border + ((bevelSides_ & side) ? bevel : 0); };
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
  const std::int32_t bevelWidth = std::min(bevelWidth_, limit);
  auto shrink = [&](std::int32_t n) {
    if (bevelSides_ & kbsLeft) r.Left += n;
    if (bevelSides_ & kbsTop) r.Top += n;
    if (bevelSides_ & kbsRight) r.Right -= n;
    if (bevelSides_ & kbsBottom) r.Bottom -= n;
  };
  if (bevelWidth > 0) {
    if (bevelOuter_ != TSeBevelCut::kbvNone) {
      const TBevelColors c = BevelColors(bevelOuter_);
      DrawEdges(canvas, r, bevelSides_, c.OuterDark, c.OuterLight, bevelWidth);
      shrink(bevelWidth);
    }
    if (bevelInner_ != TSeBevelCut::kbvNone) {
      const TBevelColors c = BevelColors(bevelInner_);
      DrawEdges(canvas, r, bevelSides_, c.InnerDark, c.InnerLight, bevelWidth);
      shrink(bevelWidth);
    }
  }
  for (std::int32_t i = 0; i < std::min(borderWidth_, limit); ++i) {
    if (IsRectEmpty(r)) break;
    FrameRectColor(canvas, r, color);
    r = InflateBy(r, -1);
  }
}
