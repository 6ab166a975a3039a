#pragma once

#include <optional>

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

class TSeSkinObject;

// What a skin's Form tree decides for the frame: where the client area lies and which zone a
// point is in. The tree is not owned (it is the frame's private copy); callers use it only
// while a skin is bound, the window is not a maximized MDI child and has a border.
class TSeSkinFrame {
 public:
  explicit TSeSkinFrame(TSeSkinObject& form);

  // Lays the tree out for the frame size (only when it has a client object: without one the
  // tree keeps its stored bounds and the whole frame is client area). None when the client
  // object sits on the frame's top or left edge: the plain frame rule applies then.
  std::optional<TRect> ClientRect(TSize frame);
  // Of the tree as last laid out.
  TSeFrameZone Zone(TPoint point) const;

 private:
  TSeSkinObject& form_;
};
