#pragma once

#include <cstdint>

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

class TSeGravitation;

// What a drag may do to the window: the frame's options and state, its limits, and the area
// the caption snaps to.
struct TSeDragRules {
  bool Moveable = true;
  bool Sizeable = true;
  TSeWindowState State = TSeWindowState::kwsNormal;
  TSize MinTrack{150, 40};
  const TSeGravitation* Gravitation = nullptr;  // none: no snapping
  TRect WorkArea;
  std::int32_t ShadowSize = 0;
};

// A move or size drag on the caption or a border, from the press to the release. Points are in
// window coordinates. A live drag moves the window under the mouse, so the right and bottom
// edges follow the mouse's last step; an outline drag leaves the window in place, so every
// edge is measured from the press.
class TSeFrameDrag {
 public:
  // Only the caption and the sizing zones start a drag.
  void Start(TSeFrameZone zone, TPoint at, bool outline);
  void Stop() { dragging_ = false; }
  bool Dragging() const { return dragging_; }
  bool Outline() const { return outline_; }

  // The bounds for the mouse at at, from the window's (or the outline's starting) bounds;
  // the bounds themselves while not dragging or when the rules forbid the drag.
  TRect Track(const TRect& bounds, TPoint at, const TSeDragRules& rules);

 private:
  TRect Size(TRect r, TPoint at, std::int32_t minWidth, std::int32_t minHeight) const;

  TSeFrameZone zone_ = TSeFrameZone::kfzNone;
  TPoint down_;
  TPoint last_;
  bool outline_ = false;
  bool dragging_ = false;
};
