#pragma once

#include <windows.h>

class TSeAnimation;
class TSeBitmap;

// Plays the show transition on dc with the images' top-left corner at (x, y): frames from the
// background to the window image, through Animation's effect and direction, until
// Animation.Time milliseconds have passed, then the window image itself with its key colour
// left out. Nothing when either image is empty.
void RunTransition(HDC dc, int x, int y, const TSeAnimation& animation, const TSeBitmap& from,
                   const TSeBitmap& to);
