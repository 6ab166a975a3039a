#pragma once

// The platform font for a portable font description.

#include <windows.h>

#include "framework/core/TFont.h"
#include "framework/core/win/Handles.h"

Handles::Font CreateFontHandle(const TFont& font);
