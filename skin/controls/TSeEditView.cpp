#include "skin/controls/TSeEditView.h"

#include <algorithm>

namespace {

bool IsPairAt(const std::u16string& s, std::int32_t i) {
  return i >= 0 && i + 1 < static_cast<std::int32_t>(s.size()) && s[i] >= 0xD800 &&
         s[i] <= 0xDBFF && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
}

// Units of the character starting at I: 2 for a surrogate pair, else 1.
std::int32_t CharUnits(const std::u16string& s, std::int32_t i) {
  return IsPairAt(s, i) ? 2 : 1;
}

}  // namespace

void TSeEditView::ComputeCellWidth(char16_t passwordWideChar) {
  std::int32_t w = 10;
  if (PasswordKind == TPasswordKind::pkChar)
    w = Measure(std::u16string_view(&passwordWideChar, 1));
  else if (Masked())
    w = Measure(u"W");
  CellWidth = std::max(w, 1);
}

std::int64_t TSeEditView::Width(const std::u16string& text, std::int32_t from,
                                std::int32_t to) const {
  if (to <= from) return 0;
  if (Masked()) return std::int64_t{to - from} * CellWidth;
  return Measure(std::u16string_view(text).substr(static_cast<std::size_t>(from),
                                                  static_cast<std::size_t>(to - from)));
}

std::int32_t TSeEditView::AlignOffset(const std::u16string& text) const {
  const std::int64_t diff =
      RectWidth(TextRect) - Width(text, 0, static_cast<std::int32_t>(text.size()));
  if (diff <= 0) return 0;
  if (Alignment == TEditAlignment::taRightJustify) return static_cast<std::int32_t>(diff);
  if (Alignment == TEditAlignment::taCenter) return static_cast<std::int32_t>(diff / 2);
  return 0;
}

std::int32_t TSeEditView::FirstIndex(const std::u16string& text) const {
  return std::clamp(FirstVisible - 1, 0, static_cast<std::int32_t>(text.size()));
}

std::int32_t TSeEditView::XOfIndex(const std::u16string& text, std::int32_t i) const {
  const std::int32_t len = static_cast<std::int32_t>(text.size());
  const std::int32_t from = FirstIndex(text);
  i = std::clamp(i, 0, len);
  const std::int64_t along = i >= from ? Width(text, from, i) : -Width(text, i, from);
  return static_cast<std::int32_t>(TextRect.Left + along + AlignOffset(text));
}

std::int32_t TSeEditView::IndexAtX(const std::u16string& text, std::int32_t x) const {
  const std::int32_t len = static_cast<std::int32_t>(text.size());
  const std::int64_t px = std::int64_t{x} - AlignOffset(text);
  std::int32_t index = FirstIndex(text);
  if (Masked()) {
    const std::int64_t cells = (px - TextRect.Left) / CellWidth;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(index + cells, 0, len));
  }
  // Past a character once the pointer is right of its middle.
  auto half = [&](std::int32_t i) {
    return i < len ? Width(text, i, i + CharUnits(text, i)) / 2 : 0;
  };
  std::int64_t mid = TextRect.Left + half(index);
  while (px > mid && mid < TextRect.Right && index < len) {
    const std::int64_t passed = half(index);
    index += CharUnits(text, index);
    mid += passed + half(index);
  }
  return index;
}

void TSeEditView::ScrollToCaret(const std::u16string& text, std::int32_t caret) {
  const std::int32_t len = static_cast<std::int32_t>(text.size());
  caret = std::clamp(caret, 0, len);
  if (caret < FirstVisible) {
    FirstVisible = std::max(caret, 1);
  } else {
    while (Width(text, FirstIndex(text), caret) > RectWidth(TextRect) && FirstVisible < len) {
      FirstVisible += CharUnits(text, FirstVisible - 1);
    }
  }
  // Never start drawing on the second half of a surrogate pair.
  if (FirstVisible > 1 && IsPairAt(text, FirstVisible - 2)) --FirstVisible;
}

TRect TSeEditView::SelectionRect(const std::u16string& text, std::int32_t selStart,
                                 std::int32_t selCount) const {
  const TRect r = Rect(XOfIndex(text, selStart), TextRect.Top, XOfIndex(text, selStart + selCount),
                       TextRect.Bottom);
  return IntersectRect(r, TextRect);
}
