#pragma once

// The platform font for a portable font description.

#include <windows.h>

#include "framework/core/TFont.h"
#include "framework/ui/Handles.h"

Handles::Font CreateFontHandle(const TFont& font);
