#pragma once

#include <windows.h>

#include "framework/core/win/Handles.h"
#include "skin/objects/TSeRegion.h"

// The platform region of a rectangle list. A window that takes it with SetWindowRgn owns it
// from then on: hand it over with Release.
Handles::Region CreateRegionHandle(const TSeRegion& region);
