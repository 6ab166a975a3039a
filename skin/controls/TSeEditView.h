#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "skin/controls/TSeEditModel.h"
#include "skin/objects/Geometry.h"

enum class TEditAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Where the edit's text, caret and selection stand on screen: horizontal scrolling
// (FirstVisible), the X of a character index and the index under the mouse. Text widths come
// from the control's drawing font through Measure; password kinds draw one cell a unit.
class TSeEditView {
 public:
  using TMeasure = std::function<std::int32_t(std::u16string_view)>;

  TMeasure Measure;
  // The content rectangle inside bevels and border, one text line ("Pq") high.
  TRect TextRect;
  TEditAlignment Alignment = TEditAlignment::taLeftJustify;
  TPasswordKind PasswordKind = TPasswordKind::pkNone;
  std::int32_t CellWidth = 10;
  // 1-based index of the first character drawn.
  std::int32_t FirstVisible = 1;

  // pkChar: the mark character's width; the drawn marks: the width of "W"; else 10; at least 1.
  void ComputeCellWidth(char16_t passwordWideChar);
  std::int32_t XOfIndex(const std::u16string& text, std::int32_t i) const;
  std::int32_t IndexAtX(const std::u16string& text, std::int32_t x) const;
  // Scrolls so the caret shows; call after every caret move.
  void ScrollToCaret(const std::u16string& text, std::int32_t caret);
  // The highlighted selection, clipped to TextRect.
  TRect SelectionRect(const std::u16string& text, std::int32_t selStart,
                      std::int32_t selCount) const;

 private:
  bool Masked() const { return PasswordKind != TPasswordKind::pkNone; }
  std::int64_t Width(const std::u16string& text, std::int32_t from, std::int32_t to) const;
  std::int32_t AlignOffset(const std::u16string& text) const;
  std::int32_t FirstIndex(const std::u16string& text) const;
};
