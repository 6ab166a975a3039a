#include "skin/forms/TSeGravitation.h"

#include <algorithm>
#include <cstdlib>

void TSeGravitation::DeclareProperties(TPropertyBuilder<TSeGravitation>& p) {
  p.Boolean("Enabled", &TSeGravitation::Enabled, &TSeGravitation::SetEnabled).Default(true);
  p.Integer("Size", &TSeGravitation::Size, &TSeGravitation::SetSize).Default(20);
}

void TSeGravitation::Assign(const TPersistent* source) {
  if (const auto* other = ObjectAs<TSeGravitation>(source)) {
    enabled_ = other->enabled_;
    size_ = other->size_;
    return;
  }
  Inherited::Assign(source);
}

void TSeGravitation::SetSize(std::int32_t value) {
  size_ = std::clamp(value, 1, 50);
}

namespace {

// The shift that puts [low, high) on the near edge of [areaLow, areaHigh), or 0.
std::int32_t Pull(std::int32_t low, std::int32_t high, std::int32_t areaLow, std::int32_t areaHigh,
                  std::int32_t size) {
  if (std::abs(low - areaLow) < size) return areaLow - low;
  if (std::abs(high - areaHigh) < size) return areaHigh - high;
  return 0;
}

}  // namespace

TRect TSeGravitation::Snap(const TRect& moved, const TRect& workArea,
                           std::int32_t shadowSize) const {
  if (!enabled_) return moved;
  const std::int32_t dx =
      Pull(moved.Left, moved.Right - shadowSize, workArea.Left, workArea.Right, size_);
  const std::int32_t dy =
      Pull(moved.Top, moved.Bottom - shadowSize, workArea.Top, workArea.Bottom, size_);
  return OffsetRect(moved, dx, dy);
}
