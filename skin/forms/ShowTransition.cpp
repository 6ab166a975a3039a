#include "skin/forms/ShowTransition.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <random>

#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"

namespace ShowTransition {

namespace {

using E = TkeEffect;

std::uint8_t Clamp255(double value) {
  if (value <= 0.0) return 0;
  if (value >= 255.0) return 255;
  return static_cast<std::uint8_t>(value);
}

void Set(TMask& m, std::int32_t x, std::int32_t y, std::uint8_t value) {
  if (x < 0 || y < 0 || x >= m.Width || y >= m.Height) return;
  m.Cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(m.Width) +
          static_cast<std::size_t>(x)] = value;
}

// Cell by cell with the Bresenham rule, both ends included, cells outside the mask skipped.
void Line(TMask& m, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
          std::uint8_t value) {
  const std::int32_t dx = std::abs(x1 - x0);
  const std::int32_t dy = -std::abs(y1 - y0);
  const std::int32_t sx = x0 < x1 ? 1 : -1;
  const std::int32_t sy = y0 < y1 ? 1 : -1;
  std::int32_t error = dx + dy;
  for (;;) {
    Set(m, x0, y0, value);
    if (x0 == x1 && y0 == y1) return;
    const std::int32_t e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void Rows(TMask& m, std::int32_t from, std::int32_t to, std::uint8_t value) {
  for (std::int32_t y = std::max(from, 0); y < std::min(to, m.Height); ++y) {
    for (std::int32_t x = 0; x < m.Width; ++x) Set(m, x, y, value);
  }
}

void Invert(TMask& m) {
  for (auto& cell : m.Cells) cell = static_cast<std::uint8_t>(255 - cell);
}

// Rectangle outlines around the centre, the longer side stepping one cell per outline and the
// shorter one in proportion (rounded up, so the last outline reaches every edge).
void RectOutlines(TMask& m, std::int32_t count, std::uint8_t value) {
  const std::int32_t longer = std::max(m.Width, m.Height);
  const std::int32_t cx = m.Width / 2;
  const std::int32_t cy = m.Height / 2;
  for (std::int32_t k = 0; k < count; ++k) {
    const std::int32_t rx = (k * m.Width + longer - 1) / longer;
    const std::int32_t ry = (k * m.Height + longer - 1) / longer;
    Line(m, cx - rx, cy - ry, cx + rx, cy - ry, value);
    Line(m, cx - rx, cy + ry, cx + rx, cy + ry, value);
    Line(m, cx - rx, cy - ry, cx - rx, cy + ry, value);
    Line(m, cx + rx, cy - ry, cx + rx, cy + ry, value);
  }
}

// The soft effects: a value that starts twice as strong as the ramp at the centre (or
// corner) and falls to 0 at radius; distance and radius in cells of the longer side.
template <class Distance>
void Ramp(TMask& m, double radius, Distance distance) {
  if (radius <= 0.0) return;
  for (std::int32_t y = 0; y < m.Height; ++y) {
    for (std::int32_t x = 0; x < m.Width; ++x) {
      Set(m, x, y, Clamp255(2.0 * 255.0 * (radius - distance(x, y)) / radius));
    }
  }
}

void FillCells(TkeEffect effect, std::int32_t p, TMask& m) {
  const std::int32_t w = m.Width;
  const std::int32_t h = m.Height;
  const auto v = static_cast<std::uint8_t>(p * 255 / 100);
  const std::int32_t longer = std::max(w, h);
  const double sx = static_cast<double>(longer) / w;
  const double sy = static_cast<double>(longer) / h;
  const double cx = (w - 1) / 2.0;
  const double cy = (h - 1) / 2.0;
  switch (effect) {
    case E::keRandomSelect:
      return;
    case E::keFade:
      std::fill(m.Cells.begin(), m.Cells.end(), v);
      return;
    case E::keDiagonal: {
      const std::int32_t lines = (p * (w + h - 1) + 99) / 100;
      for (std::int32_t d = 0; d < lines; ++d) Line(m, 0, d, d, 0, v);
      return;
    }
    case E::keDown:
      Rows(m, 0, (h * p + 50) / 100, v);
      return;
    case E::keIn: {
      const std::int32_t n = ((h + 1) / 2 * p + 50) / 100;
      Rows(m, 0, n, v);
      Rows(m, h - n, h, v);
      return;
    }
    case E::keOut: {
      const std::int32_t n = ((h + 1) / 2 * p + 50) / 100;
      Rows(m, h / 2 - n, h / 2 + n, v);
      return;
    }
    case E::keRectOut:
      RectOutlines(m, (p * (longer / 2 + 2) + 99) / 100, v);
      return;
    case E::keRectIn: {
      RectOutlines(m, ((100 - p) * (longer / 2 + 2) + 99) / 100, 255);
      for (auto& cell : m.Cells) cell = cell != 0 ? 0 : v;
      return;
    }
    case E::kePixel: {
      // The same order every frame (seeded by the cell count), so a shown cell stays shown.
      std::vector<std::uint32_t> order(m.Cells.size());
      std::iota(order.begin(), order.end(), 0u);
      std::mt19937 random(static_cast<std::uint32_t>(m.Cells.size()));
      for (std::size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[random() % i]);
      }
      const std::size_t shown = m.Cells.size() * static_cast<std::size_t>(p) / 100;
      for (std::size_t i = 0; i < shown; ++i) m.Cells[order[i]] = 255;
      return;
    }
    case E::kePixelLine: {
      // Each row's front lags by its own random distance; behind the front a ramp of a
      // quarter of the width takes a cell from 0 to 255.
      const std::int32_t lag = std::max(1, w / 2);
      const std::int32_t ramp = std::max(1, w / 4);
      std::mt19937 random(static_cast<std::uint32_t>(m.Cells.size()));
      const double front = p * (w + lag + ramp) / 100.0;
      for (std::int32_t y = 0; y < h; ++y) {
        const auto rowLag = static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(lag));
        for (std::int32_t x = 0; x < w; ++x) {
          Set(m, x, y, Clamp255((front - x - rowLag) * 255.0 / ramp));
        }
      }
      return;
    }
    case E::keDiamondOut:
      Ramp(m, 2.5 * longer * p / 100.0, [&](std::int32_t x, std::int32_t y) {
        return std::abs(x - cx) * sx + std::abs(y - cy) * sy;
      });
      return;
    case E::keDiamondIn:
      FillCells(E::keDiamondOut, 100 - p, m);
      Invert(m);
      return;
    case E::keSmoothDiagonal:
      // The diagonal measured as the distance is: both sides scaled to the longer one.
      Ramp(m, 2.5 * 2 * longer * p / 100.0,
           [&](std::int32_t x, std::int32_t y) { return x * sx + y * sy; });
      return;
    case E::keSmoothRectOut:
      Ramp(m, 1.6 * longer * p / 100.0, [&](std::int32_t x, std::int32_t y) {
        return std::max(std::abs(x - cx) * sx, std::abs(y - cy) * sy);
      });
      return;
    case E::keSmoothRectIn:
      FillCells(E::keSmoothRectOut, 100 - p, m);
      Invert(m);
      return;
  }
}

bool QuarterTurn(TSeDirection direction) {
  return direction == TSeDirection::kdRotate90 || direction == TSeDirection::kdRotate270;
}

std::uint32_t Mix(std::uint32_t window, std::uint32_t background, std::uint32_t weight) {
  std::uint32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t a = (window >> shift) & 0xFF;
    const std::uint32_t b = (background >> shift) & 0xFF;
    result |= ((a * weight + b * (255 - weight) + 127) / 255) << shift;
  }
  return result;
}

}  // namespace

TGrid MakeGrid(std::int32_t width, std::int32_t height, std::int32_t resolution,
               std::int32_t tileCount) {
  TGrid grid;
  grid.Resolution = std::max(resolution, 1);
  grid.TileCount = std::max(tileCount, 1);
  grid.CellsX = std::max(width, 0) / grid.Resolution / grid.TileCount + 1;
  grid.CellsY = std::max(height, 0) / grid.Resolution / grid.TileCount + 1;
  grid.TileWidth = std::max(width, 0) / grid.TileCount + 1;
  grid.TileHeight = std::max(height, 0) / grid.TileCount + 1;
  return grid;
}

void FillMask(TkeEffect effect, std::int32_t percent, TMask& mask) {
  mask.Cells.assign(static_cast<std::size_t>(std::max(mask.Width, 0)) *
                        static_cast<std::size_t>(std::max(mask.Height, 0)),
                    0);
  if (mask.Cells.empty()) return;
  FillCells(effect, std::clamp(percent, 0, 100), mask);
}

TMask MakeMask(const TGrid& grid, TSeDirection direction, TkeEffect effect, std::int32_t percent) {
  TMask mask;
  mask.Width = QuarterTurn(direction) ? grid.CellsY : grid.CellsX;
  mask.Height = QuarterTurn(direction) ? grid.CellsX : grid.CellsY;
  FillMask(effect, percent, mask);
  return mask;
}

std::uint8_t Weight(const TMask& mask, const TGrid& grid, TSeDirection direction, std::int32_t x,
                    std::int32_t y) {
  switch (direction) {
    case TSeDirection::kdRotate90:  // clockwise: the mask's left column is the top row
      return mask.At(y, mask.Height - 1 - x);
    case TSeDirection::kdRotate180:
      return mask.At(grid.CellsX - 1 - x, grid.CellsY - 1 - y);
    case TSeDirection::kdRotate270:
      return mask.At(mask.Width - 1 - y, x);
    case TSeDirection::kdNone:
    case TSeDirection::kdNoRotate:
      break;
  }
  return mask.At(x, y);
}

TkeEffect PickEffect(TkeEffect effect, std::uint32_t random) {
  if (effect != E::keRandomSelect) return effect;
  return static_cast<TkeEffect>(1 + random % 14);
}

void ComposeFrame(const TSeBitmap& from, const TSeBitmap& to, const TMask& mask, const TGrid& grid,
                  TSeDirection direction, TSeBitmap& work) {
  work.SetSize(to.Width(), to.Height());
  if (work.IsEmpty() || mask.Cells.empty()) return;
  for (std::int32_t ty = 0; ty < grid.TileCount; ++ty) {
    for (std::int32_t tx = 0; tx < grid.TileCount; ++tx) {
      const std::int32_t tileLeft = tx * grid.TileWidth;
      const std::int32_t tileTop = ty * grid.TileHeight;
      const std::int32_t tileRight = std::min(tileLeft + grid.TileWidth, to.Width());
      const std::int32_t tileBottom = std::min(tileTop + grid.TileHeight, to.Height());
      for (std::int32_t cy = 0; cy < grid.CellsY; ++cy) {
        const std::int32_t top = tileTop + cy * grid.Resolution;
        if (top >= tileBottom) break;
        for (std::int32_t cx = 0; cx < grid.CellsX; ++cx) {
          const std::int32_t left = tileLeft + cx * grid.Resolution;
          if (left >= tileRight) break;
          const std::uint32_t weight = Weight(mask, grid, direction, cx, cy);
          const std::int32_t bottom = std::min(top + grid.Resolution, tileBottom);
          const std::int32_t right = std::min(left + grid.Resolution, tileRight);
          for (std::int32_t y = top; y < bottom; ++y) {
            std::uint32_t* out = work.Scanline(y);
            const std::uint32_t* window = to.Scanline(y);
            for (std::int32_t x = left; x < right; ++x) {
              const std::uint32_t background = from.Pixel(x, y) & 0xFFFFFF;
              const std::uint32_t pixel = window[x] & 0xFFFFFF;
              if (weight == 0 || pixel == kSeKeyRGB) {
                out[x] = background;
              } else if (weight == 255) {
                out[x] = pixel;
              } else {
                out[x] = Mix(pixel, background, weight);
              }
            }
          }
        }
      }
    }
  }
}

std::int32_t Percent(double elapsed, double total) {
  if (total <= 0.0) return 100;
  const double percent = std::round(elapsed / total * 100.0);
  if (percent <= 0.0) return 0;
  return percent >= 100.0 ? 100 : static_cast<std::int32_t>(percent);
}

}  // namespace ShowTransition
