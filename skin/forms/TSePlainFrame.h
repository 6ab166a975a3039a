#pragma once

#include "skin/forms/SkinFormTypes.h"
#include "skin/forms/TSeFrameGeometry.h"
#include "skin/objects/Geometry.h"

// The frame's answers without a skin: the system's metrics decide the client area, the
// caption buttons' places and the hit zones (for a window that is not a maximized MDI child).
class TSePlainFrame {
 public:
  TSePlainFrame(const TSeFrameMetrics& metrics, TSeBorderStyle style, TSeBorderIcons icons,
                TSeWindowState state, TSize frame);

  TRect ClientRect() const;
  // Empty for an icon the frame lacks or does not show in its state; a themed caption shows
  // no roll-up, tray or help button, a tool window only the close button.
  TRect CaptionButtonRect(TSeBorderIcon icon) const;
  // In window coordinates. Sizing zones reach 20 pixels along the edges from each corner.
  TSeFrameZone Zone(TPoint point) const;

 private:
  TSeFrameMetrics metrics_;
  TSeBorderStyle style_;
  TSeBorderIcons icons_;
  TSeWindowState state_;
  TSize frame_;
};
