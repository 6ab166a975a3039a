#pragma once

// Small questions the skinned controls ask about their place and the platform.

#include <windows.h>

class TControl;
class TCustomForm;

// The form the control sits on (the nearest form among its parents), or none.
TCustomForm* ParentFormOf(TControl& control);
// Whether visual styles are in force for the window: uxtheme is there, themes are active and
// the window gets theme data for the class.
bool StylesActive(HWND window, const wchar_t* themeClass);
