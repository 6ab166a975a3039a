#pragma once

#include <cstdint>

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/SkinObjectTypes.h"

// The zone a skin object of a Form tree stands for, and the answer a zone gives the platform.
namespace FrameZones {

// Kinds that are not part of the frame (the client, the form itself, none) are no zone.
TSeFrameZone ZoneOfKind(TSeKind kind);

// Sizing zones answer only for a sizeable window that is not maximized, the caption only for
// a moveable one; everything else falls to the client.
std::int32_t HitTestAnswer(TSeFrameZone zone, bool moveable, bool sizeable, bool maximized);

}  // namespace FrameZones
