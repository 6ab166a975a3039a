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
  explicit TSeScrollBarModel(std::int32_t thumbMetric = 17) : thumbMetric_(thumbMetric) {}

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind k) { kind_ = k; }
  void SetBounds(std::int32_t width, std::int32_t height);
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::int32_t ThumbMetric() const { return thumbMetric_; }
  void SetThumbMetric(std::int32_t m) { thumbMetric_ = m; }
  // The size buttons start from when it is not the thumb metric (a skin's button picture);
  // 0 goes back to the thumb metric.
  void SetButtonMetric(std::int32_t m) { buttonMetric_ = m; }

  std::int32_t Min() const { return min_; }
  std::int32_t Max() const { return max_; }
  std::int32_t PageSize() const { return pageSize_; }
  std::int32_t Position() const { return position_; }
  // The setters answer whether Position changed (the control then fires OnChange).
  bool SetMin(std::int32_t v);
  bool SetMax(std::int32_t v);
  void SetPageSize(std::int32_t v);
  bool SetPosition(std::int32_t v);
  std::int32_t LargeChange() const { return largeChange_; }
  void SetLargeChange(std::int32_t v) { largeChange_ = v; }
  std::int32_t SmallChange() const { return smallChange_; }
  void SetSmallChange(std::int32_t v) { smallChange_ = v; }
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool v) { showButtons_ = v; }
  std::int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(std::int32_t v) { borderWidth_ = v; }

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
  void EndDrag() { dragOffset_ = -1; }
  std::int32_t DragOffset() const { return dragOffset_; }
  bool Dragging() const { return dragOffset_ >= 0; }

 private:
  TRect InsetRect() const;
  std::int32_t Along(TPoint p) const { return kind_ == TScrollBarKind::sbHorizontal ? p.X : p.Y; }
  std::int32_t ThumbStart() const;
  TRect Span(std::int32_t from, std::int32_t to) const;
  void CutPageSize();

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  std::int32_t width_ = 121;
  std::int32_t height_ = 17;
  std::int32_t thumbMetric_;
  std::int32_t buttonMetric_ = 0;
  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
  std::int32_t pageSize_ = 0;
  std::int32_t position_ = 0;
  std::int32_t largeChange_ = 1;
  std::int32_t smallChange_ = 1;
  bool showButtons_ = true;
  std::int32_t borderWidth_ = 1;
  std::int32_t dragOffset_ = -1;
};
