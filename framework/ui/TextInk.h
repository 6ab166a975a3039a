#pragma once

// Where text really lands: hinted outline fonts may ink a pixel or two past the advance widths
// DrawText measures (Wine's stand-ins for the bitmap fonts do), so a box sized by DrawText can
// cut off the last letter. Labels size and lay out their captions with these.

#include <windows.h>

#include <string>

// The column after the last pixel text inks when DrawText lays it out in box with flags in
// font, at least box.right.
int TextInkRight(HFONT font, const std::wstring& text, const RECT& box, UINT flags);

// Narrows box from the right (a few steps at most) until the text laid out in it inks no
// further than edge; word-wrapped text then breaks a line earlier instead of losing a letter.
RECT TextBoxWithinEdge(HFONT font, const std::wstring& text, RECT box, UINT flags, int edge);

// The box a label lays its caption out in before drawing it unclipped by that box (the
// label's own rectangle clips): auto-sized, the width the text was measured in (the overhang's
// columns past it are for the last letter's ink); word-wrapped in a fixed width, narrowed to
// keep the ink inside; otherwise the client rectangle.
RECT LabelTextBox(HFONT font, const std::wstring& text, const RECT& client, UINT flags,
                  bool autoSize, int overhang);
