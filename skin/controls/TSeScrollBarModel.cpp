#include "skin/controls/TSeScrollBarModel.h"

#include <algorithm>

namespace {

// NUM / DEN rounded to the nearest integer, halves to the even neighbour; DEN > 0.
std::int64_t RoundDiv(std::int64_t num, std::int64_t den) {
  std::int64_t q = num / den;
  std::int64_t r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && (q % 2) != 0)) ++q;
  return q;
}

std::int32_t Clamp32(std::int64_t v, std::int64_t lo, std::int64_t hi) {
  return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

}  // namespace

void TSeScrollBarModel::SetBounds(std::int32_t width, std::int32_t height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
}

void TSeScrollBarModel::CutPageSize() {
  const std::int64_t span = std::int64_t{max_} - min_ + 1;
  if (pageSize_ > span) pageSize_ = static_cast<std::int32_t>(span);
}

bool TSeScrollBarModel::SetMin(std::int32_t v) {
  min_ = std::min(v, max_);
  CutPageSize();
  return SetPosition(std::max(position_, min_));
}

bool TSeScrollBarModel::SetMax(std::int32_t v) {
  max_ = std::max(v, min_);
  CutPageSize();
  return SetPosition(std::min(position_, max_));
}

void TSeScrollBarModel::SetPageSize(std::int32_t v) {
  if (v < 0) return;
  pageSize_ = v;
  CutPageSize();
}

bool TSeScrollBarModel::SetPosition(std::int32_t v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return false;
  position_ = v;
  return true;
}

TRect TSeScrollBarModel::InsetRect() const {
  // A border wider than half the bar leaves an empty rectangle, never an inverted one.
  const std::int32_t bw = std::clamp(borderWidth_, 0, std::min(width_, height_) / 2);
  return Rect(bw, bw, width_ - bw, height_ - bw);
}

TRect TSeScrollBarModel::Span(std::int32_t from, std::int32_t to) const {
  const TRect r = InsetRect();
  if (kind_ == TScrollBarKind::sbHorizontal) return Rect(from, r.Top, to, r.Bottom);
  return Rect(r.Left, from, r.Right, to);
}

std::int32_t TSeScrollBarModel::ButtonSize() const {
  const TRect r = InsetRect();
  const std::int32_t inner = kind_ == TScrollBarKind::sbHorizontal ? RectWidth(r) : RectHeight(r);
  const std::int32_t metric = buttonMetric_ > 0 ? buttonMetric_ : thumbMetric_;
  if (std::int64_t{inner} < 2 * std::int64_t{metric}) return inner / 2;
  return metric;
}

TRect TSeScrollBarModel::FirstButtonRect() const {
  const TRect r = InsetRect();
  const std::int32_t start = kind_ == TScrollBarKind::sbHorizontal ? r.Left : r.Top;
  return Span(start, start + ButtonSize());
}

TRect TSeScrollBarModel::SecondButtonRect() const {
  const TRect r = InsetRect();
  const std::int32_t end = kind_ == TScrollBarKind::sbHorizontal ? r.Right : r.Bottom;
  return Span(end - ButtonSize(), end);
}

TRect TSeScrollBarModel::TrackRect() const {
  const TRect r = InsetRect();
  const bool h = kind_ == TScrollBarKind::sbHorizontal;
  const std::int32_t b = showButtons_ ? ButtonSize() : 0;
  return Span((h ? r.Left : r.Top) + b, (h ? r.Right : r.Bottom) - b);
}

std::int64_t TSeScrollBarModel::ScrollRange() const {
  const std::int64_t span = std::int64_t{max_} - min_;
  return pageSize_ == 0 ? span : span - pageSize_ + 1;
}

std::int32_t TSeScrollBarModel::ThumbSize() const {
  const TRect t = TrackRect();
  const std::int64_t len = kind_ == TScrollBarKind::sbHorizontal ? RectWidth(t) : RectHeight(t);
  std::int64_t size = thumbMetric_;
  if (pageSize_ > 0) {
    size = RoundDiv(len * pageSize_, std::int64_t{max_} - min_ + 1);
    size = std::max<std::int64_t>(size, thumbMetric_ / 3 * 2);
  }
  if (size >= len) return 0;
  return static_cast<std::int32_t>(size);
}

std::int32_t TSeScrollBarModel::ThumbStart() const {
  const TRect t = TrackRect();
  const bool h = kind_ == TScrollBarKind::sbHorizontal;
  const std::int32_t start = h ? t.Left : t.Top;
  const std::int32_t end = h ? t.Right : t.Bottom;
  const std::int64_t range = ScrollRange();
  if (range < 1) return start;
  const std::int32_t size = ThumbSize();
  if (position_ > std::int64_t{max_} - pageSize_ + 1) return end - size;
  return static_cast<std::int32_t>(
      start + RoundDiv((std::int64_t{position_} - min_) * (end - start - size), range));
}

TRect TSeScrollBarModel::ThumbRect() const {
  const std::int32_t s = ThumbStart();
  return Span(s, s + ThumbSize());
}

TRect TSeScrollBarModel::PageBeforeRect() const {
  const TRect t = TrackRect();
  return Span(kind_ == TScrollBarKind::sbHorizontal ? t.Left : t.Top, ThumbStart());
}

TRect TSeScrollBarModel::PageAfterRect() const {
  const TRect t = TrackRect();
  return Span(ThumbStart() + ThumbSize(),
              kind_ == TScrollBarKind::sbHorizontal ? t.Right : t.Bottom);
}

std::int32_t TSeScrollBarModel::PositionAt(std::int32_t c) const {
  const TRect t = TrackRect();
  const bool h = kind_ == TScrollBarKind::sbHorizontal;
  const std::int32_t start = h ? t.Left : t.Top;
  const std::int32_t len = h ? RectWidth(t) : RectHeight(t);
  const std::int32_t size = ThumbSize();
  const std::int64_t range = ScrollRange();
  // Without PageSize the last position is Max itself, not Max + 1.
  const std::int64_t last = std::int64_t{max_} - std::max(pageSize_, 1) + 1;
  if (len == size || range < 1) return Clamp32(0, min_, last);
  // Coordinates beyond the track give the ends anyway; clamping first keeps the product small.
  const std::int64_t along = std::clamp<std::int64_t>(std::int64_t{c} - start, 0, len);
  return Clamp32(RoundDiv(range * along, len - size) + min_, min_, last);
}

TScrollBarPart TSeScrollBarModel::HitTest(TPoint p) const {
  if (showButtons_) {
    if (PtInRect(FirstButtonRect(), p)) return TScrollBarPart::FirstButton;
    if (PtInRect(SecondButtonRect(), p)) return TScrollBarPart::SecondButton;
  }
  if (PtInRect(ThumbRect(), p)) return TScrollBarPart::Thumb;
  if (PtInRect(PageBeforeRect(), p)) return TScrollBarPart::PageBefore;
  if (PtInRect(PageAfterRect(), p)) return TScrollBarPart::PageAfter;
  return TScrollBarPart::None;
}

std::int32_t TSeScrollBarModel::StepTarget(TScrollCode code) {
  const std::int64_t page = pageSize_ >= 1 ? pageSize_ : largeChange_;
  std::int64_t target = position_;
  switch (code) {
    case TScrollCode::scPageUp:
      target = std::int64_t{position_} - page;
      break;
    case TScrollCode::scPageDown:
      target = std::int64_t{position_} + page;
      break;
    case TScrollCode::scBottom:
      target = max_;
      break;
    case TScrollCode::scTop:
      target = min_;
      break;
    case TScrollCode::scLineDown:
      target = std::int64_t{position_} + smallChange_;
      if (target >= max_) ContinuousDown = false;
      break;
    case TScrollCode::scLineUp:
      target = std::int64_t{position_} - smallChange_;
      if (target <= min_) ContinuousUp = false;
      break;
    default:
      break;
  }
  return Clamp32(target, min_, max_);
}

bool TSeScrollBarModel::BeginDrag(TPoint p) {
  if (HitTest(p) != TScrollBarPart::Thumb) return false;
  dragOffset_ = Along(p) - ThumbStart();
  return true;
}

std::int32_t TSeScrollBarModel::DragTarget(TPoint p) const {
  const TRect t = TrackRect();
  const bool h = kind_ == TScrollBarKind::sbHorizontal;
  const std::int32_t lo = h ? t.Left : t.Top;
  const std::int32_t hi = std::max(lo, (h ? t.Right : t.Bottom) - ThumbSize());
  const std::int64_t start = std::int64_t{Along(p)} - std::max(dragOffset_, 0);
  return PositionAt(static_cast<std::int32_t>(std::clamp<std::int64_t>(start, lo, hi)));
}
