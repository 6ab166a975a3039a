#pragma once

#include <cstdint>
#include <vector>

#include "skin/forms/SkinFormTypes.h"

class TSeBitmap;

// The show transition's frames, apart from the platform: the image is cut into TileCount x
// TileCount tiles, each tile into cells of Resolution x Resolution pixels, and one mask of
// cell weights (0 background, 255 window) is shared by every tile. An effect fills the mask
// for a percentage; the direction turns the mask as it is read; a frame is the window image
// over the background through the mask.
namespace ShowTransition {

struct TGrid {
  std::int32_t CellsX = 0;
  std::int32_t CellsY = 0;
  std::int32_t TileWidth = 0;
  std::int32_t TileHeight = 0;
  std::int32_t Resolution = 1;
  std::int32_t TileCount = 1;
};

// The grid for an image of that size; resolution and tileCount below 1 count as 1.
TGrid MakeGrid(std::int32_t width, std::int32_t height, std::int32_t resolution,
               std::int32_t tileCount);

// The mask as the effect generates it: turned a quarter, its width and height are swapped.
struct TMask {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Cells;
  std::uint8_t At(std::int32_t x, std::int32_t y) const {
    return Cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                 static_cast<std::size_t>(x)];
  }
};

// Fills a mask of width x height cells for percent (held to 0..100). keRandomSelect fills
// nothing: pick an effect first (PickEffect).
void FillMask(TkeEffect effect, std::int32_t percent, TMask& mask);
TMask MakeMask(const TGrid& grid, TSeDirection direction, TkeEffect effect, std::int32_t percent);

// The weight of grid cell (x, y) as the direction turns the mask.
std::uint8_t Weight(const TMask& mask, const TGrid& grid, TSeDirection direction, std::int32_t x,
                    std::int32_t y);

// keRandomSelect becomes one of the 14 others, chosen by random; the others stay.
TkeEffect PickEffect(TkeEffect effect, std::uint32_t random);

// One frame into work (sized like to): key-coloured window pixels and weight 0 give the
// background, 255 the window, other weights the window blended over the background.
void ComposeFrame(const TSeBitmap& from, const TSeBitmap& to, const TMask& mask, const TGrid& grid,
                  TSeDirection direction, TSeBitmap& work);

// The percentage shown after elapsed of total milliseconds: rounded, at most 100.
std::int32_t Percent(double elapsed, double total);

}  // namespace ShowTransition
