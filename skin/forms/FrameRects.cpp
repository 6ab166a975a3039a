#include "skin/forms/FrameRects.h"

#include <algorithm>

namespace FrameRects {

namespace {

std::int32_t NonClientHeight(const TRect& client, TSize frame) {
  return client.Top + frame.cy - client.Bottom;
}

}  // namespace

TRect MaximizedRect(const TRect& workArea, const TRect& monitor, bool stayOnTop, bool skinned,
                    std::int32_t border) {
  const TRect area = stayOnTop ? Rect(0, 0, 10000, 10000) : workArea;
  const TRect r = IntersectRect(area, monitor);
  return skinned ? r : InflateBy(r, border);
}

TSize MaxTrackSize(TSize area, std::int32_t maxWidth, std::int32_t maxHeight) {
  return TSize{maxWidth != 0 ? maxWidth : area.cx, maxHeight != 0 ? maxHeight : area.cy};
}

TSize MinTrackSize(std::int32_t minWidth, std::int32_t minHeight) {
  return TSize{minWidth != 0 ? minWidth : DefaultMinTrackWidth,
               minHeight != 0 ? minHeight : DefaultMinTrackHeight};
}

TSize ClampTrackSize(TSize size, TSize minimum, TSize maximum, bool applyMinimum) {
  TSize r{std::min(size.cx, maximum.cx), std::min(size.cy, maximum.cy)};
  if (applyMinimum) {
    r.cx = std::max(r.cx, minimum.cx);
    r.cy = std::max(r.cy, minimum.cy);
  }
  return r;
}

TRect RollupRect(TPoint position, const TRect& client, TSize frame) {
  return Bounds(position.X, position.Y, frame.cx, NonClientHeight(client, frame));
}

TRect MinimizedRect(std::int32_t minimizedWidth, const TRect& client, TSize frame,
                    const TRect& workArea) {
  const std::int32_t height = NonClientHeight(client, frame);
  return Rect(0, workArea.Bottom - height, minimizedWidth, workArea.Bottom);
}

}  // namespace FrameRects
