#include "skin/forms/TSeFrameGeometry.h"

#include <algorithm>

#include "skin/forms/FrameRects.h"

void TSeFrameGeometry::SetShadow(bool enabled, std::int32_t size) {
  shadowEnabled_ = enabled;
  shadowSize_ = size;
}

TSize TSeFrameGeometry::FrameSize() const {
  const std::int32_t s = ShadowSize();
  return TSize{std::max(full_.cx - s, 0), std::max(full_.cy - s, 0)};
}

bool TSeFrameGeometry::PositionChanging(TSize& size, const TSeWindowPosFlags& flags, TSize minTrack,
                                        TSize maxTrack, bool applyMinimum) {
  if (!(flags.NoSize && flags.NoMove)) {
    size = FrameRects::ClampTrackSize(size, minTrack, maxTrack, applyMinimum);
  }
  // Compared with the full size: with a shadow the frame is smaller, and a window shrunk by
  // exactly the shadow's width would otherwise keep its old size here.
  if (flags.NoSize || flags.FrameChanged || size == full_) return false;
  full_ = size;
  return true;
}

TRect TSeFrameGeometry::PlainClientRect(TSize frame, TSeBorderStyle style,
                                        const TSeFrameMetrics& metrics, bool maximizedMdiChild) {
  TRect r = Rect(0, 0, frame.cx, frame.cy);
  if (maximizedMdiChild || style == TSeBorderStyle::kbsNone) return r;
  const std::int32_t caption =
      style == TSeBorderStyle::kbsToolWindow ? metrics.SmallCaptionHeight : metrics.CaptionHeight;
  r.Left += metrics.FrameWidth;
  r.Right -= metrics.FrameWidth;
  r.Bottom -= metrics.FrameWidth;
  r.Top += metrics.FrameWidth + caption;
  return r;
}

TSeFrameInsets TSeFrameGeometry::Insets(const TRect& client, TSize full) {
  return TSeFrameInsets{client.Left, client.Top, full.cx - client.Right, full.cy - client.Bottom};
}

TRect TSeFrameGeometry::CalcClientRect(const TRect& window, const TSeFrameInsets& insets) {
  return Rect(window.Left + insets.Left, window.Top + insets.Top, window.Right - insets.Right,
              window.Bottom - insets.Bottom);
}

TSeFrameBands TSeFrameGeometry::Bands(const TRect& client, TSize full) {
  return TSeFrameBands{
      Rect(0, 0, full.cx, client.Top), Rect(client.Left, client.Bottom, client.Right, full.cy),
      Rect(0, client.Top, client.Left, full.cy), Rect(client.Right, client.Top, full.cx, full.cy)};
}

TSize TSeFrameGeometry::SizeKeepingClient(TSize window, const TSeFrameInsets& before,
                                          const TSeFrameInsets& after) {
  return TSize{window.cx + (after.Left + after.Right) - (before.Left + before.Right),
               window.cy + (after.Top + after.Bottom) - (before.Top + before.Bottom)};
}
