#include "skin/forms/win/RunTransition.h"

#include "skin/forms/ShowTransition.h"
#include "skin/forms/TSeAnimation.h"
#include "skin/forms/TSeTimer.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/win/TSeGdiCanvas.h"

void RunTransition(HDC dc, int x, int y, const TSeAnimation& animation, const TSeBitmap& from,
                   const TSeBitmap& to) {
  if (from.IsEmpty() || to.IsEmpty()) return;
  const TkeEffect effect =
      ShowTransition::PickEffect(animation.Effect(), static_cast<std::uint32_t>(GetTickCount()));
  const ShowTransition::TGrid grid = ShowTransition::MakeGrid(
      from.Width(), from.Height(), animation.Resolution(), animation.TileCount());
  const TRect dest = Bounds(x, y, to.Width(), to.Height());
  TSeBitmap work;
  TSeGdiCanvas canvas(dc);
  TSeTimer timer;
  const double total = animation.Time();
  double elapsed = 0.0;
  while (elapsed < total) {
    timer.Start();
    const ShowTransition::TMask mask = ShowTransition::MakeMask(
        grid, animation.Direction(), effect, ShowTransition::Percent(elapsed, total));
    ShowTransition::ComposeFrame(from, to, mask, grid, animation.Direction(), work);
    canvas.CopyBitmap(work, dest, work.BoundsRect());
    // The frame is on the screen before its time is counted.
    GdiFlush();
    elapsed += timer.ElapsedSeconds() * 1000.0;
  }
  to.Draw(canvas, x, y, true);
  GdiFlush();
}
