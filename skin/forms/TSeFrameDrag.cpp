#include "skin/forms/TSeFrameDrag.h"

#include <algorithm>

#include "skin/forms/TSeGravitation.h"

using Z = TSeFrameZone;

void TSeFrameDrag::Start(TSeFrameZone zone, TPoint at, bool outline) {
  dragging_ = zone >= Z::kfzCaption && zone <= Z::kfzBottomRight && zone != Z::kfzBorder;
  zone_ = zone;
  down_ = last_ = at;
  outline_ = outline && dragging_;
}

TRect TSeFrameDrag::Track(const TRect& bounds, TPoint at, const TSeDragRules& rules) {
  if (!dragging_) return bounds;
  TRect r = bounds;
  if (zone_ == Z::kfzCaption) {
    if (rules.Moveable && rules.State != TSeWindowState::kwsMaximized) {
      r = OffsetRect(r, at.X - down_.X, at.Y - down_.Y);
      if (rules.Gravitation) r = rules.Gravitation->Snap(r, rules.WorkArea, rules.ShadowSize);
    }
  } else if (rules.Sizeable && rules.State == TSeWindowState::kwsNormal) {
    r = Size(r, at, rules.MinTrack.cx, rules.MinTrack.cy);
  }
  last_ = at;
  return r;
}

TRect TSeFrameDrag::Size(TRect r, TPoint at, std::int32_t minWidth, std::int32_t minHeight) const {
  const TPoint from = outline_ ? down_ : last_;
  const bool left = zone_ == Z::kfzLeft || zone_ == Z::kfzTopLeft || zone_ == Z::kfzBottomLeft;
  const bool top = zone_ == Z::kfzTop || zone_ == Z::kfzTopLeft || zone_ == Z::kfzTopRight;
  const bool right = zone_ == Z::kfzRight || zone_ == Z::kfzTopRight || zone_ == Z::kfzBottomRight;
  const bool bottom =
      zone_ == Z::kfzBottom || zone_ == Z::kfzBottomLeft || zone_ == Z::kfzBottomRight;
  // The left and top edges are held at the minimum size; the right and bottom ones are held
  // by the platform's size check (WM_WINDOWPOSCHANGING) when the bounds are applied.
  if (top) r.Top = std::min(r.Top + at.Y - down_.Y, r.Bottom - minHeight);
  if (bottom) r.Bottom += at.Y - from.Y;
  if (left) r.Left = std::min(r.Left + at.X - down_.X, r.Right - minWidth);
  if (right) r.Right += at.X - from.X;
  return r;
}
