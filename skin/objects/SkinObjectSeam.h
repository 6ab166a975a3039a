#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/TFont.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeFont.h"
#include "skin/objects/TSeRegion.h"

// The few things the object tree needs from the fonts and the canvas.
namespace SkinSeam {

// Objects keep the framework's font (it streams); the canvas takes the plain data.
TSeFont CanvasFont(const TFont& font);

// Single-line text of a font, as wide as the platform's draw-text call measures it on a
// screen-compatible context.
std::int32_t ScreenTextWidth(const std::u16string& text, const TFont& font);

// Width of a text as a canvas measures it with the draw-text call.
std::int32_t TextWidth(TSeCanvas& canvas, const std::u16string& text, const TFont& font);

// Paints through paint on a width x height bitmap filled with the key colour and returns the
// one-pixel-high runs of painted pixels, offset by x, y.
TSeRegion PaintedRegion(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                        const std::function<void(TSeCanvas&)>& paint);

// Appends other's rectangles to region and grows its bounds.
void UnionRegion(TSeRegion& region, const TSeRegion& other);

}  // namespace SkinSeam
