#pragma once

// Text measured with a font before (or without) a window to draw it in.

#include <windows.h>

#include <string_view>

// The extent of text in that font, as a context compatible with the screen would draw it. One
// such context serves every measurement of the process: a context made for each one costs a
// call to the window server (under Wine as much as the measuring itself many times over), and
// controls measure their text many times while they are laid out.
SIZE MeasureText(HFONT font, std::wstring_view text);
