#include "skin/objects/win/RegionHandle.h"

#include <cstring>
#include <vector>

Handles::Region CreateRegionHandle(const TSeRegion& region) {
  if (region.Rects.empty()) return Handles::Region(CreateRectRgn(0, 0, 0, 0));
  const std::size_t rectBytes = region.Rects.size() * sizeof(RECT);
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rectBytes);
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(region.Rects.size());
  header.nRgnSize = static_cast<DWORD>(rectBytes);
  header.rcBound =
      RECT{region.Bounds.Left, region.Bounds.Top, region.Bounds.Right, region.Bounds.Bottom};
  std::memcpy(data.data(), &header, sizeof header);
  for (std::size_t i = 0; i < region.Rects.size(); ++i) {
    const TRect& r = region.Rects[i];
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    std::memcpy(data.data() + sizeof header + i * sizeof(RECT), &rect, sizeof rect);
  }
  return Handles::Region(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                         reinterpret_cast<const RGNDATA*>(data.data())));
}
