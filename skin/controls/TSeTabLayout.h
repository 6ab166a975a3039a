#pragma once

#include <cstdint>
#include <vector>

#include "skin/objects/Geometry.h"

enum class TTabPosition : std::uint8_t { tpTop, tpBottom, tpLeft, tpRight };

// The tab strip's rows, their rotation and the single row's scrolling, without drawing.
// The control measures each tab's caption (text width + 12, plus an image) and hands the
// natural widths in; everything placed from them is answered here in control coordinates.
//
// Rows rotate so that the selected tab's row lies next to the page: without ScrollOpposite
// the rows after it follow outward and the rows before it wrap to the outer edge; with
// ScrollOpposite the rows before it move to the far side of the page.
class TSeTabLayout {
 public:
  // The row table has room for this many rows; later tabs stay in the last row.
  static constexpr std::int32_t kMaxRows = 100;

  struct TTabRow {
    std::int32_t LastTab = 0;
    std::int32_t Extra = 0;      // added to each tab of the row
    std::int32_t Remainder = 0;  // added to the row's last tab besides
    friend bool operator==(const TTabRow&, const TTabRow&) = default;
  };

  // Inputs, set by the control before asking.
  TTabPosition TabPosition = TTabPosition::tpTop;
  std::int32_t Width = 289;
  std::int32_t Height = 193;
  std::int32_t MarginLeft = 2;
  std::int32_t MarginTop = 2;
  std::int32_t MarginRight = 2;
  std::int32_t MarginBottom = 2;
  std::int32_t RowHeight = 0;
  bool MultiLine = false;
  bool ScrollOpposite = false;
  bool RaggedRight = false;
  std::int32_t TabWidth = 0;  // fixed width when not 0
  std::int32_t TabIndex = -1;
  std::int32_t FirstVisibleTab = 0;
  TSize ScrollButtonSize;
  // Caption widths as measured (text + 12, plus an image).
  std::vector<std::int32_t> NaturalWidths;

  std::int32_t TabCount() const { return static_cast<std::int32_t>(NaturalWidths.size()); }
  std::int32_t MeasureTab(std::int32_t i) const;

  // Must run after any input changed and before the questions below.
  void ComputeRows();
  // A single-line strip is one row.
  std::int32_t RowCount() const;
  const std::vector<TTabRow>& Rows() const { return rows_; }
  std::int32_t RowOf(std::int32_t i) const;
  std::int32_t JustifiedTabWidth(std::int32_t i) const;

  std::int32_t GetStripSize() const;
  std::int32_t GetOppositeStripSize() const;
  bool IsOppositeRow(std::int32_t i) const;
  std::int32_t RowOffset(std::int32_t r) const;
  TRect GetDisplayRect() const;
  TRect GetTabRect(std::int32_t i) const;
  // The side a tab is drawn on: the strip's, or the other for an opposite row.
  TTabPosition TabSide(std::int32_t i) const;

  bool NeedsScrollButtons() const;
  TRect GetLeftButtonRect() const;
  TRect GetRightButtonRect() const;
  std::int32_t LastVisibleTab(bool strict) const;
  void ScrollTabs(std::int32_t delta);
  // Moves FirstVisibleTab so the selected tab shows (part of selecting a tab).
  void ShowSelectedTab();
  std::int32_t TabAtPoint(TPoint p) const;
  // The tabs painted before the page frame, farther rows first; the selected tab is painted
  // again after the frame, over it. A single row leaves the selected tab out here.
  std::vector<std::int32_t> TabPaintOrder() const;

 private:
  std::int32_t Available() const;
  std::int32_t SideMargin() const;
  std::int32_t SelectedRow() const;
  std::int32_t RowFirstTab(std::int32_t r) const;
  bool OverlapsScrollButton(const TRect& r) const;

  std::vector<TTabRow> rows_;
};
