#pragma once

// Strings from the program's string table (button and menu captions), by identifier.

#include <windows.h>

#include <string>

// The string, or empty when the table has none with that identifier.
std::wstring LoadResString(UINT id, HINSTANCE instance = nullptr);
