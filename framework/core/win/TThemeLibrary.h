#pragma once

// Visual styles, looked up at run time: uxtheme.dll is missing before Windows XP (and its
// functions answer "no theme" while styles are off), so nothing links to it and every caller
// falls back to classic drawing when a function is absent.

#include <windows.h>

#include <uxtheme.h>

struct TThemeLibrary {
  decltype(&::OpenThemeData) OpenThemeData = nullptr;
  decltype(&::CloseThemeData) CloseThemeData = nullptr;
  decltype(&::IsThemeActive) IsThemeActive = nullptr;
  decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
  decltype(&::GetThemeBackgroundRegion) GetThemeBackgroundRegion = nullptr;
};

// Looked up once; every member is null when the library or the function is missing.
const TThemeLibrary& ThemeLibrary();
