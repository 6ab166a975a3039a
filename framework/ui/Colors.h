#pragma once

// Colour values on the platform: core colours (framework/core/Color.h) to COLORREF.

#include <windows.h>

#include "framework/core/Color.h"

// ColorToRGB (framework/core/Color.h) gives the RGB value a colour stands for now; system
// colours follow the user's scheme through GetSysColor.
