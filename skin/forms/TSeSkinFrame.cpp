#include "skin/forms/TSeSkinFrame.h"

#include "skin/forms/FrameZones.h"
#include "skin/objects/TSeSkinObject.h"

TSeSkinFrame::TSeSkinFrame(TSeSkinObject& form) : form_(form) {}

std::optional<TRect> TSeSkinFrame::ClientRect(TSize frame) {
  TSeSkinObject* client = form_.FindByKind(TSeKind::skClient);
  if (client == nullptr) return Rect(0, 0, frame.cx, frame.cy);
  form_.SetBounds(Rect(0, 0, frame.cx, frame.cy));
  if (client->Left() == 0 || client->Top() == 0) return std::nullopt;
  return client->BoundsRect();
}

TSeFrameZone TSeSkinFrame::Zone(TPoint point) const {
  TSeSkinObject* hit = form_.ObjectAtPoint(point);
  return hit != nullptr ? FrameZones::ZoneOfKind(hit->Kind()) : TSeFrameZone::kfzNone;
}
