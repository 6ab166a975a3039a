// The show transition's masks and frames, with expected cells worked out from the effects'
// rules by hand.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "skin/forms/ShowTransition.h"
#include "skin/forms/TSeTimer.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/TSeBitmap.h"

namespace {

using namespace ShowTransition;
using E = TkeEffect;
using D = TSeDirection;

const E kEffects[] = {E::keFade,         E::keDiagonal,     E::keDown,       E::keIn,
                      E::keOut,          E::keRectIn,       E::keRectOut,    E::kePixel,
                      E::kePixelLine,    E::keDiamondIn,    E::keDiamondOut, E::keSmoothDiagonal,
                      E::keSmoothRectIn, E::keSmoothRectOut};
const D kDirections[] = {D::kdNone, D::kdNoRotate, D::kdRotate90, D::kdRotate180, D::kdRotate270};

// The grid's weights row by row, as the direction reads them.
std::vector<std::vector<int>> Weights(const TGrid& grid, D direction, E effect, int percent) {
  const TMask mask = MakeMask(grid, direction, effect, percent);
  std::vector<std::vector<int>> rows(static_cast<std::size_t>(grid.CellsY));
  for (int y = 0; y < grid.CellsY; ++y) {
    for (int x = 0; x < grid.CellsX; ++x) rows[y].push_back(Weight(mask, grid, direction, x, y));
  }
  return rows;
}

TGrid Cells(int across, int down) {
  TGrid grid;
  grid.CellsX = across;
  grid.CellsY = down;
  return grid;
}

TEST(ShowTransition, GridFollowsResolutionAndTileCount) {
  const TGrid grid = MakeGrid(100, 50, 3, 2);
  EXPECT_EQ(grid.CellsX, 17);  // 100 / 3 / 2 + 1
  EXPECT_EQ(grid.CellsY, 9);   // 50 / 3 / 2 + 1
  EXPECT_EQ(grid.TileWidth, 51);
  EXPECT_EQ(grid.TileHeight, 26);
}

// The transition must end with the window fully shown and start with none of it, whatever
// the effect, direction or grid shape, and a shown part must never be taken back.
TEST(ShowTransition, EveryEffectGoesFromHiddenToFullyShownWithoutGoingBack) {
  const TGrid grids[] = {Cells(1, 1), Cells(9, 9), Cells(10, 4), Cells(3, 17), Cells(40, 31)};
  for (const TGrid& grid : grids) {
    for (const E effect : kEffects) {
      for (const D direction : kDirections) {
        SCOPED_TRACE(std::to_string(int(effect)) + " dir " + std::to_string(int(direction)) +
                     " grid " + std::to_string(grid.CellsX) + "x" + std::to_string(grid.CellsY));
        auto previous = Weights(grid, direction, effect, 0);
        for (const auto& row : previous) {
          for (const int w : row) ASSERT_EQ(w, 0);
        }
        for (int percent = 5; percent <= 100; percent += 5) {
          const auto now = Weights(grid, direction, effect, percent);
          for (std::size_t y = 0; y < now.size(); ++y) {
            for (std::size_t x = 0; x < now[y].size(); ++x) {
              ASSERT_GE(now[y][x], previous[y][x]) << "cell " << x << "," << y << " at " << percent;
            }
          }
          previous = now;
        }
        for (const auto& row : previous) {
          for (const int w : row) ASSERT_EQ(w, 255);
        }
      }
    }
  }
}

TEST(ShowTransition, HardEdgedEffectsAtAKnownPercentage) {
  // A row of '.' (0) and 'v' (the percentage's value) per cell row.
  struct Case {
    E effect;
    int across, down, percent;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {E::keFade, 3, 2, 50, {"vvv", "vvv"}},
      {E::keDown, 2, 10, 50, {"vv", "vv", "vv", "vv", "vv", "..", "..", "..", "..", ".."}},
      {E::keIn, 2, 10, 40, {"vv", "vv", "..", "..", "..", "..", "..", "..", "vv", "vv"}},
      {E::keOut, 2, 10, 40, {"..", "..", "..", "vv", "vv", "vv", "vv", "..", "..", ".."}},
      {E::keDiagonal, 5, 5, 50, {"vvvvv", "vvvv.", "vvv..", "vv...", "v...."}},
      {E::keRectOut,
       9,
       9,
       50,
       {".........", ".........", "..vvvvv..", "..vvvvv..", "..vvvvv..", "..vvvvv..", "..vvvvv..",
        ".........", "........."}},
      {E::keRectIn,
       9,
       9,
       50,
       {"vvvvvvvvv", "vvvvvvvvv", "vv.....vv", "vv.....vv", "vv.....vv", "vv.....vv", "vv.....vv",
        "vvvvvvvvv", "vvvvvvvvv"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.effect));
    const int v = c.percent * 255 / 100;
    const auto weights = Weights(Cells(c.across, c.down), D::kdNone, c.effect, c.percent);
    for (int y = 0; y < c.down; ++y) {
      for (int x = 0; x < c.across; ++x) {
        EXPECT_EQ(weights[y][x], c.rows[y][x] == 'v' ? v : 0) << x << "," << y;
      }
    }
  }
}

TEST(ShowTransition, PixelShowsItsShareOfCellsAtFullStrength) {
  const auto weights = Weights(Cells(10, 10), D::kdNone, E::kePixel, 37);
  int shown = 0;
  for (const auto& row : weights) {
    for (const int w : row) {
      EXPECT_TRUE(w == 0 || w == 255);
      shown += w == 255;
    }
  }
  EXPECT_EQ(shown, 37);
}

TEST(ShowTransition, DirectionTurnsTheMask) {
  // keDown at 50 %: the top half as generated, the right half turned clockwise, the bottom
  // half upside down, the left half turned the other way.
  const TGrid grid = Cells(6, 4);
  const auto shown = [&](D direction, int x, int y) {
    return Weights(grid, direction, E::keDown, 50)[y][x] != 0;
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(shown(D::kdNoRotate, x, y), y < 2);
      EXPECT_EQ(shown(D::kdRotate90, x, y), x >= 3) << x << "," << y;
      EXPECT_EQ(shown(D::kdRotate180, x, y), y >= 2);
      EXPECT_EQ(shown(D::kdRotate270, x, y), x < 3) << x << "," << y;
    }
  }
}

TEST(ShowTransition, RandomSelectPicksEveryOtherEffectAndNeverItself) {
  std::set<E> picked;
  for (std::uint32_t r = 0; r < 100; ++r) {
    const E effect = PickEffect(E::keRandomSelect, r);
    EXPECT_NE(effect, E::keRandomSelect);
    picked.insert(effect);
  }
  EXPECT_EQ(picked.size(), 14u);
  EXPECT_EQ(PickEffect(E::keDown, 7), E::keDown);
}

TEST(ShowTransition, PercentIsRoundedAndHeldAtTheEnd) {
  EXPECT_EQ(Percent(0, 400), 0);
  EXPECT_EQ(Percent(198, 400), 50);  // 49.5 rounds up
  EXPECT_EQ(Percent(399, 400), 100);
  EXPECT_EQ(Percent(900, 400), 100);
}

// 8 x 8 pixels, cells of 2 in 2 x 2 tiles: 3 x 3 cells per 5-pixel tile, the same mask in
// every tile. keDown at 50 % shows cell rows 0 and 1, i.e. pixel rows 0..3 of the first tile
// and 5..7 of the second; row 4 is the first tile's third cell row.
TEST(ShowTransition, FrameBlendsTheWindowOverTheBackgroundCellByCell) {
  TSeBitmap from;
  from.SetSize(8, 8);
  from.Fill(0x0000FF);
  TSeBitmap to;
  to.SetSize(8, 8);
  to.Fill(0xFF0000);
  to.SetPixel(1, 1, kSeKeyColor);
  const TGrid grid = MakeGrid(8, 8, 2, 2);
  TSeBitmap work;
  ComposeFrame(from, to, MakeMask(grid, D::kdNone, E::keDown, 50), grid, D::kdNone, work);
  // 127 of red over blue: red (255 * 127 + 127) / 255, blue (255 * 128 + 127) / 255.
  const std::uint32_t mixed = 0x7F0080;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const std::uint32_t expected = (x == 1 && y == 1) ? 0x0000FF : y == 4 ? 0x0000FF : mixed;
      EXPECT_EQ(work.Pixel(x, y) & 0xFFFFFF, expected) << x << "," << y;
    }
  }
  ComposeFrame(from, to, MakeMask(grid, D::kdNone, E::keDown, 100), grid, D::kdNone, work);
  EXPECT_EQ(work.Pixel(0, 4) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(work.Pixel(1, 1) & 0xFFFFFF, 0x0000FFu);  // the key colour still shows through
}

TEST(ShowTransition, TimerMeasuresASleepInSeconds) {
  TSeTimer timer;
  timer.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const double elapsed = timer.ElapsedSeconds();
  EXPECT_GE(elapsed, 0.025);
  EXPECT_LT(elapsed, 2.0);
}

}  // namespace
