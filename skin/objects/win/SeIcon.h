#pragma once

#include <windows.h>

#include "skin/objects/Geometry.h"
#include "skin/objects/win/TSeGdiCanvas.h"

// A small (16 x 16) icon centred in the rectangle; icons are the platform's, so this lives on
// its side of the seam.
void DrawIconCentered(TSeGdiCanvas& canvas, HICON icon, const TRect& rect);
