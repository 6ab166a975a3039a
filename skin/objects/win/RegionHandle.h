#pragma once

#include <windows.h>

#include "skin/objects/TSeRegion.h"

// The platform region of a rectangle list; the caller owns it (a window that takes it with
// SetWindowRgn owns it from then on).
HRGN CreateRegionHandle(const TSeRegion& region);
