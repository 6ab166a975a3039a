#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/core/win/Handles.h"
#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

// Everything a frame's pixels depend on apart from its skin objects, which say themselves when
// they change: two paints of equal looks draw the same pixels.
struct TSeFrameLook {
  TSize Full;
  TRect Client;
  bool Active = false;
  TSeWindowState State = TSeWindowState::kwsNormal;
  TSeBorderStyle Style = TSeBorderStyle::kbsStandard;
  std::uint32_t Icons = 0;
  TSeFrameZone Hot = TSeFrameZone::kfzNone;
  TSeFrameZone Down = TSeFrameZone::kfzNone;
  std::uint32_t Tracked = 0;
  bool Dragging = false;
  HICON WindowIcon = nullptr;
  std::wstring Caption;
  std::wstring WindowText;
  friend bool operator==(const TSeFrameLook&, const TSeFrameLook&) = default;
};

// The frame's four bands as last painted, kept for the active and for the inactive look: a
// repaint, or an activation that goes back to a look already painted, is four blits instead of
// the whole drawing. The top and bottom bands share one bitmap, the sides another.
class TSeFrameCache {
 public:
  // Copies the bands kept for look onto dc (window coordinates); false when there are none.
  bool Paint(HDC dc, const TSeFrameLook& look) const;
  // Keeps the bands of the frame painted on from (window coordinates) as look's.
  void Store(HDC from, const TSeFrameLook& look);
  // Forgets both looks: the skin objects changed, or something the look does not name.
  void Invalidate();

 private:
  struct TEntry {
    bool Valid = false;
    TSeFrameLook Look;
    Handles::Bitmap Sheets[2];
    TSize SheetSizes[2];
  };
  TEntry entries_[2];
};
