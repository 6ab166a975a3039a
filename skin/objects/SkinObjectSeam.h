#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/TFont.h"
#include "skin/objects/Geometry.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmapLink.h"
#include "skin/objects/TSeBitmapList.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeFont.h"
#include "skin/objects/TSeRegion.h"

// The few things the object tree needs from the bitmaps, the fonts and the canvas, named by
// role so that the tree's classes read the same whatever the drawing layer calls them.
namespace SkinSeam {

using Color = TColor;
using Point = TPoint;
using Rect = TRect;
// Objects keep the framework's font (it streams); the canvas takes the plain data.
using Font = TFont;
using BitmapLink = TSeBitmapLink;
using BitmapList = TSeBitmapList;
using Canvas = TSeCanvas;
using Region = TSeRegion;

TSeFont CanvasFont(const Font& font);

// Single-line text of a font, as wide as the platform's draw-text call measures it on a
// screen-compatible context.
std::int32_t ScreenTextWidth(const std::u16string& text, const Font& font);

// Width of a text as a canvas measures it with the draw-text call.
std::int32_t TextWidth(Canvas& canvas, const std::u16string& text, const Font& font);

// Paints through paint on a width x height bitmap filled with the key colour and returns the
// one-pixel-high runs of painted pixels, offset by x, y.
Region PaintedRegion(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                     const std::function<void(Canvas&)>& paint);

// Appends other's rectangles to region and grows its bounds.
void UnionRegion(Region& region, const Region& other);

}  // namespace SkinSeam
