#include "skin/controls/TSeTabLayout.h"

#include <algorithm>

namespace {

bool Vertical(TTabPosition p) {
  return p == TTabPosition::tpLeft || p == TTabPosition::tpRight;
}

TTabPosition Opposite(TTabPosition p) {
  switch (p) {
    case TTabPosition::tpTop:
      return TTabPosition::tpBottom;
    case TTabPosition::tpBottom:
      return TTabPosition::tpTop;
    case TTabPosition::tpLeft:
      return TTabPosition::tpRight;
    case TTabPosition::tpRight:
      return TTabPosition::tpLeft;
  }
  return p;
}

}  // namespace

std::int32_t TSeTabLayout::SideMargin() const {
  switch (TabPosition) {
    case TTabPosition::tpTop:
      return MarginTop;
    case TTabPosition::tpBottom:
      return MarginBottom;
    case TTabPosition::tpLeft:
      return MarginLeft;
    case TTabPosition::tpRight:
      return MarginRight;
  }
  return 0;
}

std::int32_t TSeTabLayout::MeasureTab(std::int32_t i) const {
  if (i < 0 || i >= TabCount()) return 0;
  const std::int32_t w = TabWidth != 0 ? TabWidth : NaturalWidths[static_cast<std::size_t>(i)];
  return std::max(w, 2 * (RowHeight + SideMargin()));
}

std::int32_t TSeTabLayout::Available() const {
  return (Vertical(TabPosition) ? Height : Width) - MarginLeft - MarginRight;
}

void TSeTabLayout::ComputeRows() {
  rows_.clear();
  if (TabCount() == 0) return;
  const std::int32_t a = Available();
  // A row is justified to fill the strip exactly; a row over-full only because the table
  // ran out of rows keeps its natural widths rather than squeezing its tabs.
  auto close = [&](std::int32_t last, std::int32_t first, std::int64_t sum) {
    const std::int32_t n = last - first + 1;
    TTabRow row;
    row.LastTab = last;
    if (n > 0 && (sum <= a || n == 1)) {
      row.Extra = static_cast<std::int32_t>((a - sum) / n);
      row.Remainder = static_cast<std::int32_t>(a - sum - std::int64_t{row.Extra} * n);
    }
    rows_.push_back(row);
  };
  std::int64_t sum = MeasureTab(0);
  std::int32_t first = 0;
  for (std::int32_t j = 1; j < TabCount(); ++j) {
    const std::int32_t w = MeasureTab(j);
    // Strictly less: a tab that exactly fills the rest of the row starts a new one.
    if (sum + w < a || static_cast<std::int32_t>(rows_.size()) == kMaxRows - 1) {
      sum += w;
    } else {
      close(j - 1, first, sum);
      sum = w;
      first = j;
    }
  }
  close(TabCount() - 1, first, sum);
}

std::int32_t TSeTabLayout::RowCount() const {
  if (rows_.empty()) return 0;
  return MultiLine ? static_cast<std::int32_t>(rows_.size()) : 1;
}

std::int32_t TSeTabLayout::RowOf(std::int32_t i) const {
  const std::int32_t count = RowCount();
  if (count == 0) return -1;
  if (count == 1) return 0;
  for (std::int32_t r = 1; r < count; ++r) {
    if (rows_[static_cast<std::size_t>(r - 1)].LastTab < i &&
        rows_[static_cast<std::size_t>(r)].LastTab >= i)
      return r;
  }
  return 0;
}

std::int32_t TSeTabLayout::RowFirstTab(std::int32_t r) const {
  return r <= 0 ? 0 : rows_[static_cast<std::size_t>(r - 1)].LastTab + 1;
}

std::int32_t TSeTabLayout::JustifiedTabWidth(std::int32_t i) const {
  const std::int32_t w = MeasureTab(i);
  if (RaggedRight || TabWidth != 0 || !MultiLine || RowCount() == 0) return w;
  const TTabRow& row = rows_[static_cast<std::size_t>(RowOf(i))];
  return w + row.Extra + (i == row.LastTab ? row.Remainder : 0);
}

std::int32_t TSeTabLayout::SelectedRow() const {
  return std::max(0, RowOf(TabIndex));
}

std::int32_t TSeTabLayout::GetStripSize() const {
  if (TabCount() == 0) return 0;
  const std::int32_t rows = ScrollOpposite ? RowCount() - SelectedRow() : RowCount();
  return RowHeight * rows + SideMargin();
}

std::int32_t TSeTabLayout::GetOppositeStripSize() const {
  return ScrollOpposite && TabCount() > 0 ? SelectedRow() * RowHeight : 0;
}

bool TSeTabLayout::IsOppositeRow(std::int32_t i) const {
  return MultiLine && ScrollOpposite && RowOf(i) < SelectedRow();
}

std::int32_t TSeTabLayout::RowOffset(std::int32_t r) const {
  const std::int32_t s = SelectedRow();
  if (r >= s) return (r - s + 1) * RowHeight;
  if (ScrollOpposite) return (s - r) * RowHeight;
  return (r + RowCount() - s + 1) * RowHeight;
}

TRect TSeTabLayout::GetDisplayRect() const {
  TRect r = Rect(0, 0, Width, Height);
  const std::int32_t strip = GetStripSize();
  const std::int32_t opposite = GetOppositeStripSize();
  switch (TabPosition) {
    case TTabPosition::tpTop:
      r.Top += strip;
      r.Bottom -= opposite;
      break;
    case TTabPosition::tpBottom:
      r.Bottom -= strip;
      r.Top += opposite;
      break;
    case TTabPosition::tpLeft:
      r.Left += strip;
      r.Right -= opposite;
      break;
    case TTabPosition::tpRight:
      r.Right -= strip;
      r.Left += opposite;
      break;
  }
  return r;
}

TTabPosition TSeTabLayout::TabSide(std::int32_t i) const {
  return IsOppositeRow(i) ? Opposite(TabPosition) : TabPosition;
}

TRect TSeTabLayout::GetTabRect(std::int32_t i) const {
  if (i < 0 || i >= TabCount() || rows_.empty()) return TRect{};
  std::int64_t offset = 0;
  if (MultiLine) {
    for (std::int32_t k = RowFirstTab(RowOf(i)); k < i; ++k) offset += JustifiedTabWidth(k);
  } else if (i >= FirstVisibleTab) {
    for (std::int32_t k = std::max(FirstVisibleTab, 0); k < i; ++k) offset += MeasureTab(k);
  } else {
    for (std::int32_t k = i; k < FirstVisibleTab; ++k) offset -= MeasureTab(k);
  }
  const bool opposite = IsOppositeRow(i);
  const TTabPosition side = opposite ? Opposite(TabPosition) : TabPosition;
  const std::int32_t s = opposite ? GetOppositeStripSize() : GetStripSize();
  const std::int32_t d = s - RowOffset(RowOf(i));
  const std::int32_t w = JustifiedTabWidth(i);
  const auto along = static_cast<std::int32_t>(offset);
  switch (side) {
    case TTabPosition::tpTop:
      return Rect(along + MarginLeft, d, along + MarginLeft + w, s + MarginTop);
    case TTabPosition::tpBottom:
      return Rect(along + MarginLeft, Height - s - MarginBottom, along + MarginLeft + w,
                  Height - d);
    case TTabPosition::tpLeft:
      return Rect(d, along + MarginTop, s + MarginLeft, along + MarginTop + w);
    case TTabPosition::tpRight:
      return Rect(Width - s - MarginRight, along + MarginTop, Width - d, along + MarginTop + w);
  }
  return TRect{};
}

bool TSeTabLayout::NeedsScrollButtons() const {
  if (Vertical(TabPosition) || TabCount() < 2 || MultiLine) return false;
  return FirstVisibleTab > 0 || GetTabRect(TabCount() - 1).Right > Width;
}

TRect TSeTabLayout::GetLeftButtonRect() const {
  TRect r = GetRightButtonRect();
  return OffsetRect(r, -ScrollButtonSize.cx, 0);
}

TRect TSeTabLayout::GetRightButtonRect() const {
  const std::int32_t top = TabPosition == TTabPosition::tpBottom
                               ? Height + MarginBottom - GetStripSize()
                               : GetStripSize() - ScrollButtonSize.cy - MarginTop;
  return Rect(Width - ScrollButtonSize.cx, top, Width, top + ScrollButtonSize.cy);
}

bool TSeTabLayout::OverlapsScrollButton(const TRect& r) const {
  return !IsRectEmpty(IntersectRect(r, GetLeftButtonRect())) ||
         !IsRectEmpty(IntersectRect(r, GetRightButtonRect()));
}

std::int32_t TSeTabLayout::LastVisibleTab(bool strict) const {
  if (TabCount() == 0) return -1;
  const std::int64_t a =
      Vertical(TabPosition) ? Height - MarginTop - MarginBottom : Width - MarginLeft - MarginRight;
  std::int32_t i = std::clamp(FirstVisibleTab, 0, TabCount() - 1);
  std::int64_t total = 0;
  while (i < TabCount() && total + MeasureTab(i) <= a) total += MeasureTab(i++);
  // One more: the partly shown tab, when there is one.
  std::int32_t last = std::min(i, TabCount() - 1);
  if (!strict) return last;
  while (last > 0) {
    const TRect r = GetTabRect(last);
    if (r.Right <= Width && !OverlapsScrollButton(r)) break;
    --last;
  }
  return last;
}

void TSeTabLayout::ScrollTabs(std::int32_t delta) {
  if (delta == 0) return;
  if (TabCount() == 0) {
    FirstVisibleTab = -1;
    return;
  }
  FirstVisibleTab = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{FirstVisibleTab} + delta, 0, TabCount() - 1));
  // Keep the strip filled at its end: back off while the last tab still shows in full.
  bool decreased = false;
  while (FirstVisibleTab > 0 && LastVisibleTab(true) == TabCount() - 1) {
    --FirstVisibleTab;
    decreased = true;
  }
  if (decreased) ++FirstVisibleTab;
}

void TSeTabLayout::ShowSelectedTab() {
  if (TabIndex < 0 || TabIndex >= TabCount()) return;
  // Each loop stops at the selected tab itself, so a tab wider than the strip cannot keep
  // it scrolling for ever.
  while (FirstVisibleTab < TabIndex && NeedsScrollButtons() &&
         OverlapsScrollButton(GetTabRect(TabIndex)))
    ++FirstVisibleTab;
  while (TabIndex < FirstVisibleTab) --FirstVisibleTab;
  if (MultiLine) return;
  while (FirstVisibleTab < TabIndex) {
    const std::int32_t last = LastVisibleTab(true);
    if (last == 0 || last >= TabIndex) break;
    ++FirstVisibleTab;
  }
}

std::int32_t TSeTabLayout::TabAtPoint(TPoint p) const {
  if (TabCount() == 0 || rows_.empty()) return -1;
  if (NeedsScrollButtons()) {
    const std::int32_t strip = GetStripSize();
    const std::int32_t left = Width - 2 * ScrollButtonSize.cx;
    if (TabPosition == TTabPosition::tpTop && PtInRect(Rect(left, 0, Width, strip), p)) return -1;
    if (TabPosition == TTabPosition::tpBottom &&
        PtInRect(Rect(left, Height - strip, Width, Height), p))
      return -1;
  }
  if (TabIndex >= 0 && TabIndex < TabCount() && PtInRect(GetTabRect(TabIndex), p)) return TabIndex;
  if (MultiLine) {
    const std::int32_t s = SelectedRow();
    std::vector<std::int32_t> order;
    if (ScrollOpposite) {
      for (std::int32_t r = s - 1; r >= 0; --r) order.push_back(r);
      for (std::int32_t r = s; r < RowCount(); ++r) order.push_back(r);
    } else {
      for (std::int32_t r = s; r < RowCount(); ++r) order.push_back(r);
      for (std::int32_t r = 0; r < s; ++r) order.push_back(r);
    }
    for (const std::int32_t r : order) {
      for (std::int32_t i = RowFirstTab(r); i <= rows_[static_cast<std::size_t>(r)].LastTab; ++i)
        if (PtInRect(GetTabRect(i), p)) return i;
    }
    return -1;
  }
  const std::int32_t last = LastVisibleTab(false);
  for (std::int32_t i = std::max(FirstVisibleTab, 0); i <= last; ++i) {
    TRect r = GetTabRect(i);
    // The strip's margin beside the page belongs to the page, not to an unselected tab.
    switch (TabPosition) {
      case TTabPosition::tpTop:
        r.Bottom -= MarginTop;
        break;
      case TTabPosition::tpBottom:
        r.Top += MarginBottom;
        break;
      case TTabPosition::tpLeft:
        r.Right -= MarginLeft;
        break;
      case TTabPosition::tpRight:
        r.Left += MarginRight;
        break;
    }
    if (PtInRect(r, p)) return i;
  }
  return -1;
}

std::vector<std::int32_t> TSeTabLayout::TabPaintOrder() const {
  std::vector<std::int32_t> order;
  if (TabCount() == 0 || rows_.empty()) return order;
  if (!MultiLine) {
    const std::int32_t last = LastVisibleTab(false);
    for (std::int32_t i = std::max(FirstVisibleTab, 0); i <= last; ++i)
      if (i != TabIndex) order.push_back(i);
    return order;
  }
  const std::int32_t s = SelectedRow();
  auto row = [&](std::int32_t r) {
    for (std::int32_t i = RowFirstTab(r); i <= rows_[static_cast<std::size_t>(r)].LastTab; ++i)
      order.push_back(i);
  };
  if (ScrollOpposite) {
    for (std::int32_t r = RowCount() - 1; r >= s; --r) row(r);
    for (std::int32_t r = 0; r < s; ++r) row(r);
  } else {
    for (std::int32_t r = s - 1; r >= 0; --r) row(r);
    for (std::int32_t r = RowCount() - 1; r >= s; --r) row(r);
  }
  return order;
}
