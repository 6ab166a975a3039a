#include "skin/forms/win/TSeFrameCache.h"

#include <algorithm>
#include <array>

#include "skin/forms/TSeFrameGeometry.h"

namespace {

// Where a band lies on its sheet: top and bottom one above the other on sheet 0, left and
// right side by side on sheet 1.
struct TPlacement {
  TRect Band;
  int Sheet;
  TPoint At;
};

std::array<TPlacement, 4> Place(const TSeFrameLook& look) {
  const TSeFrameBands b = TSeFrameGeometry::Bands(look.Client, look.Full);
  return {{{b.Top, 0, TPoint{0, 0}},
           {b.Bottom, 0, TPoint{0, RectHeight(b.Top)}},
           {b.Left, 1, TPoint{0, 0}},
           {b.Right, 1, TPoint{RectWidth(b.Left), 0}}}};
}

TSize SheetSize(const std::array<TPlacement, 4>& placed, int sheet) {
  TSize size{0, 0};
  for (const TPlacement& p : placed) {
    if (p.Sheet != sheet || IsRectEmpty(p.Band)) continue;
    size.cx = std::max(size.cx, p.At.X + RectWidth(p.Band));
    size.cy = std::max(size.cy, p.At.Y + RectHeight(p.Band));
  }
  return size;
}

}  // namespace

bool TSeFrameCache::Paint(HDC dc, const TSeFrameLook& look) const {
  const TEntry& entry = entries_[look.Active ? 1 : 0];
  if (!entry.Valid || !(entry.Look == look)) return false;
  Handles::CreatedDC sheet = Handles::CreatedDC::Compatible(dc);
  for (int s = 0; s < 2; ++s) {
    if (!entry.Sheets[s]) continue;
    Handles::SelectedObject selected(sheet.Get(), entry.Sheets[s].Get());
    for (const TPlacement& p : Place(look))
      if (p.Sheet == s && !IsRectEmpty(p.Band))
        BitBlt(dc, p.Band.Left, p.Band.Top, RectWidth(p.Band), RectHeight(p.Band), sheet.Get(),
               p.At.X, p.At.Y, SRCCOPY);
  }
  return true;
}

void TSeFrameCache::Store(HDC from, const TSeFrameLook& look) {
  TEntry& entry = entries_[look.Active ? 1 : 0];
  entry.Valid = false;
  const auto placed = Place(look);
  Handles::CreatedDC sheet = Handles::CreatedDC::Compatible(from);
  for (int s = 0; s < 2; ++s) {
    const TSize size = SheetSize(placed, s);
    if (size.cx <= 0 || size.cy <= 0) {
      entry.Sheets[s].Reset();
      entry.SheetSizes[s] = TSize{0, 0};
      continue;
    }
    if (!entry.Sheets[s] || entry.SheetSizes[s] != size) {
      // Compatible with the screen, as the surfaces the frame is painted on are.
      Handles::WindowDC screen(nullptr);
      entry.Sheets[s].Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
      entry.SheetSizes[s] = size;
      if (!entry.Sheets[s]) return;
    }
    Handles::SelectedObject selected(sheet.Get(), entry.Sheets[s].Get());
    for (const TPlacement& p : placed)
      if (p.Sheet == s && !IsRectEmpty(p.Band))
        BitBlt(sheet.Get(), p.At.X, p.At.Y, RectWidth(p.Band), RectHeight(p.Band), from,
               p.Band.Left, p.Band.Top, SRCCOPY);
  }
  entry.Look = look;
  entry.Valid = true;
}

void TSeFrameCache::Invalidate() {
  for (TEntry& entry : entries_) entry.Valid = false;
}
