#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/objects/Geometry.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeRegion.h"

// Small drawing and text operations shared by the skin objects and the skinned controls.

// Rounded a * b / c, halves away from zero, as the platform's MulDiv (whose name the
// platform's header takes).
std::int32_t MulDivRound(std::int32_t a, std::int32_t b, std::int32_t c);

void FillRectColor(TSeCanvas& canvas, const TRect& rect, TColor color);
void FrameRectColor(TSeCanvas& canvas, const TRect& rect, TColor color);
// Left and top in the first colour, right and bottom in the second.
void DrawBevel(TSeCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);

enum TSeEdgeSides : std::uint32_t { esLeft = 1, esTop = 2, esRight = 4, esBottom = 8 };
// Count nested one-pixel outlines on the chosen sides, shrinking after each.
void DrawEdges(TSeCanvas& canvas, const TRect& rect, std::uint32_t sides, TColor bottomRight,
               TColor topLeft, int count);

// A dotted one-pixel outline: every other pixel, starting at the top-left corner.
void FocusRectColor(TSeCanvas& canvas, const TRect& rect, TColor color);
// A filled rectangle whose corners are quarter circles of the given radius.
void RoundRectColor(TSeCanvas& canvas, const TRect& rect, TColor color, std::int32_t radius);

// Up to 256 solid bands from one colour to the other, left to right or top to bottom.
void GradientFill(TSeCanvas& canvas, const TRect& rect, TColor fromColor, bool vertical,
                  TColor toColor);
// An 8 x 8 checker: pixels whose row and column are both even or both odd take color2.
void CheckerFill(TSeCanvas& canvas, TRect rect, TColor color1, TColor color2);

int DrawTextSkin(TSeCanvas& canvas, std::u16string_view text, TRect rect, std::uint32_t format);
std::int32_t TextWidthSkin(TSeCanvas& canvas, std::u16string_view text, std::uint32_t format);
std::int32_t TextHeightSkin(TSeCanvas& canvas, std::u16string_view text);

// The text, or as much of its start as fits with "..." behind it.
std::u16string EllipsisText(TSeCanvas& canvas, std::u16string_view text, std::int32_t maxWidth);

// Text turned by 90 degrees: clockwise reads top to bottom, otherwise bottom to top.
void DrawRotatedText(TSeCanvas& canvas, std::u16string_view text, const TRect& rect, bool clockwise,
                     std::uint32_t format);

// The shape of the bitmap's non-key pixels, one rectangle per run, moved by x, y.
TSeRegion CreateBitmapRegion(const TSeBitmap& bitmap, std::int32_t x, std::int32_t y);
