#pragma once

#include <cstdint>

#include "skin/forms/SkinFormTypes.h"
#include "skin/objects/Geometry.h"

// Distances from the window's edges to its client area, as WM_NCCALCSIZE applies them.
struct TSeFrameInsets {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TSeFrameInsets&, const TSeFrameInsets&) = default;
};

// The four strips around the client rectangle that frame painting copies to the window.
struct TSeFrameBands {
  TRect Top;
  TRect Bottom;
  TRect Left;
  TRect Right;
};

// The flags of a WM_WINDOWPOSCHANGING that decide the frame's bookkeeping.
struct TSeWindowPosFlags {
  bool NoSize = false;        // SWP_NOSIZE
  bool NoMove = false;        // SWP_NOMOVE
  bool FrameChanged = false;  // SWP_FRAMECHANGED
};

// The system metrics and theme state the plain frame is built from (read at start and on a theme
// change).
struct TSeFrameMetrics {
  std::int32_t FrameWidth = 0;          // SM_CXFRAME
  std::int32_t CaptionHeight = 0;       // SM_CYCAPTION
  std::int32_t SmallCaptionHeight = 0;  // SM_CYSMCAPTION
  bool Themed = false;                  // visual styles draw the caption
};

// The frame's sizes: the full size as the window was last sized (shadow included) and the
// frame drawn inside it. The shadow takes its strip only while the window is not maximized.
class TSeFrameGeometry {
 public:
  void SetFullSize(TSize size) { full_ = size; }
  TSize FullSize() const { return full_; }
  // A shadow of size 0 or less is no shadow.
  void SetShadow(bool enabled, std::int32_t size);
  void SetMaximized(bool value) { maximized_ = value; }
  bool ShadowShown() const { return shadowEnabled_ && shadowSize_ > 0 && !maximized_; }
  std::int32_t ShadowSize() const { return ShadowShown() ? shadowSize_ : 0; }
  TSize FrameSize() const;
  TRect FrameRect() const { return Rect(0, 0, FrameSize().cx, FrameSize().cy); }
  // WM_WINDOWPOSCHANGING: holds the proposed size to the track sizes (a rolled-up or minimized
  // window is exempt from the minimum) and takes a real resize as the new full size. True when
  // the size changed, so the window region must be rebuilt.
  bool PositionChanging(TSize& size, const TSeWindowPosFlags& flags, TSize minTrack, TSize maxTrack,
                        bool applyMinimum);

  // The plain frame's client rectangle: the whole frame without a border (and for a maximized
  // MDI child), else inside the sizing border and the caption band.
  static TRect PlainClientRect(TSize frame, TSeBorderStyle style, const TSeFrameMetrics& metrics,
                               bool maximizedMdiChild);
  // Insets measured against the full size, so the shadow strip counts as frame.
  static TSeFrameInsets Insets(const TRect& client, TSize full);
  // The client rectangle proposed for a window rectangle (screen or parent coordinates).
  static TRect CalcClientRect(const TRect& window, const TSeFrameInsets& insets);
  static TSeFrameBands Bands(const TRect& client, TSize full);
  // The window size that keeps the client size of window under before when the frame's
  // insets become after.
  static TSize SizeKeepingClient(TSize window, const TSeFrameInsets& before,
                                 const TSeFrameInsets& after);

 private:
  TSize full_;
  bool shadowEnabled_ = false;
  std::int32_t shadowSize_ = 0;
  bool maximized_ = false;
};
