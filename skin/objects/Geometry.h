#pragma once

#include <algorithm>
#include <cstdint>

// Plain rectangles and points in device pixels; right and bottom are exclusive, as on the
// platform, so a rectangle converts to and from a RECT field by field.
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  return TRect{left, top, right, bottom};
}
inline TRect Bounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return TRect{left, top, left + width, top + height};
}

inline std::int32_t RectWidth(const TRect& r) {
  return r.Right - r.Left;
}
inline std::int32_t RectHeight(const TRect& r) {
  return r.Bottom - r.Top;
}
inline bool IsRectEmpty(const TRect& r) {
  return RectWidth(r) < 1 || RectHeight(r) < 1;
}

inline TRect OffsetRect(const TRect& r, std::int32_t dx, std::int32_t dy) {
  return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The common part; an empty result when the two do not overlap.
inline TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (IsRectEmpty(r)) return TRect{};
  return r;
}

inline bool PtInRect(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// A moved so that it is centred in B, keeping its size; odd remainders go right and down.
inline TRect CenterRect(const TRect& a, const TRect& b) {
  const std::int32_t left = b.Left + (RectWidth(b) - RectWidth(a)) / 2;
  const std::int32_t top = b.Top + (RectHeight(b) - RectHeight(a)) / 2;
  return Bounds(left, top, RectWidth(a), RectHeight(a));
}

// A moved to B's left edge and centred vertically in B.
inline TRect CenterRectVert(const TRect& a, const TRect& b) {
  const std::int32_t top = b.Top + (RectHeight(b) - RectHeight(a)) / 2;
  return Bounds(b.Left, top, RectWidth(a), RectHeight(a));
}

inline TRect InflateBy(const TRect& r, std::int32_t n) {
  return TRect{r.Left - n, r.Top - n, r.Right + n, r.Bottom + n};
}
