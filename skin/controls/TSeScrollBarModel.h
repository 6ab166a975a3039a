#pragma once

#include <cstdint>

#include "skin/objects/Geometry.h"

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

// The platform's scroll request numbers, as OnScroll reports them.
enum class TScrollCode : std::uint8_t {
  scLineUp = 0,
  scLineDown = 1,
  scPageUp = 2,
  scPageDown = 3,
  scPosition = 4,
  scTrack = 5,
  scTop = 6,
  scBottom = 7,
  scEndScroll = 8
};

enum class TScrollBarPart : std::uint8_t {
  None,
  FirstButton,
  SecondButton,
  Thumb,
  PageBefore,
  PageAfter
};

// The drawn scroll bar's range, clamping, geometry, hit-testing, stepping and thumb dragging,
// in control coordinates (0, 0, Width, Height). The control adds painting, the mouse and
// timers, and raises OnScroll / OnChange around the values this answers. Arithmetic is done
// in 64 bits so that the full 32-bit range (Min -2^31, Max 2^31 - 1) does not overflow.
class TSeScrollBarModel {
 public:
  // ThumbMetric is the platform's scroll-thumb size, which buttons and the thumb start from.
  explicit TSeScrollBarModel(std::int32_t thumbMetric = 17) : FThumbMetric(thumbMetric) {}

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind k) { FKind = k; }
  void SetBounds(std::int32_t width, std::int32_t height);
  std::int32_t Width() const { return FWidth; }
  std::int32_t Height() const { return FHeight; }
  std::int32_t ThumbMetric() const { return FThumbMetric; }
  void SetThumbMetric(std::int32_t m) { FThumbMetric = m; }

  std::int32_t Min() const { return FMin; }
  std::int32_t Max() const { return FMax; }
  std::int32_t PageSize() const { return FPageSize; }
  std::int32_t Position() const { return FPosition; }
  // The setters answer whether Position changed (the control then fires OnChange).
  bool SetMin(std::int32_t v);
  bool SetMax(std::int32_t v);
  void SetPageSize(std::int32_t v);
  bool SetPosition(std::int32_t v);
  std::int32_t LargeChange() const { return FLargeChange; }
  void SetLargeChange(std::int32_t v) { FLargeChange = v; }
  std::int32_t SmallChange() const { return FSmallChange; }
  void SetSmallChange(std::int32_t v) { FSmallChange = v; }
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool v) { FShowButtons = v; }
  std::int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(std::int32_t v) { FBorderWidth = v; }

  std::int32_t ButtonSize() const;
  TRect FirstButtonRect() const;
  TRect SecondButtonRect() const;
  TRect TrackRect() const;
  std::int64_t ScrollRange() const;
  std::int32_t ThumbSize() const;
  TRect ThumbRect() const;
  TRect PageBeforeRect() const;
  TRect PageAfterRect() const;
  // The position whose thumb starts at coordinate C along the axis.
  std::int32_t PositionAt(std::int32_t c) const;
  // Buttons count only when they are shown.
  TScrollBarPart HitTest(TPoint p) const;

  // The target of one scroll request (line, page, top, bottom), clamped to Min..Max; the
  // control passes it through OnScroll and sets the position from what comes back.
  std::int32_t StepTarget(TScrollCode code);
  // Other controls hold the bar scrolling; a line step that reaches its end stops it.
  bool ContinuousUp = false;
  bool ContinuousDown = false;

  // A press on the thumb starts a drag (true); DragTarget gives the position for the pointer.
  bool BeginDrag(TPoint p);
  std::int32_t DragTarget(TPoint p) const;
  void EndDrag() { FDragOffset = -1; }
  std::int32_t DragOffset() const { return FDragOffset; }
  bool Dragging() const { return FDragOffset >= 0; }

 private:
  TRect InsetRect() const;
  std::int32_t Along(TPoint p) const { return FKind == TScrollBarKind::sbHorizontal ? p.X : p.Y; }
  std::int32_t ThumbStart() const;
  TRect Span(std::int32_t from, std::int32_t to) const;
  void CutPageSize();

  TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
  std::int32_t FWidth = 121;
  std::int32_t FHeight = 17;
  std::int32_t FThumbMetric;
  std::int32_t FMin = 0;
  std::int32_t FMax = 100;
  std::int32_t FPageSize = 0;
  std::int32_t FPosition = 0;
  std::int32_t FLargeChange = 1;
  std::int32_t FSmallChange = 1;
  bool FShowButtons = true;
  std::int32_t FBorderWidth = 1;
  std::int32_t FDragOffset = -1;
};
