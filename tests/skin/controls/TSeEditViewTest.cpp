#include <gtest/gtest.h>

#include <string>

#include "skin/controls/TSeEditView.h"

namespace {

using A = TEditAlignment;

// Fixed metrics: 'i' 3 pixels, a surrogate pair 10, any other unit 7.
std::int32_t Measure(std::u16string_view s) {
  std::int32_t w = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size()) {
      w += 10;
      ++i;
    } else {
      w += s[i] == u'i' ? 3 : 7;
    }
  }
  return w;
}

TSeEditView View(std::int32_t first = 1, A align = A::taLeftJustify,
                 TPasswordKind kind = TPasswordKind::pkNone) {
  TSeEditView v;
  v.Measure = &Measure;
  v.TextRect = Rect(5, 5, 45, 20);  // 40 wide
  v.FirstVisible = first;
  v.Alignment = align;
  v.PasswordKind = kind;
  v.CellWidth = 8;
  return v;
}

const std::u16string kPair = u"\U0001F600";

TEST(EditView, XOfIndex) {
  struct Row {
    const char* name;
    std::u16string text;
    std::int32_t first;
    A align;
    TPasswordKind kind;
    std::int32_t index, x;
  };
  const Row rows[] = {
      {"start", u"abcdef", 1, A::taLeftJustify, TPasswordKind::pkNone, 0, 5},
      {"two in", u"abcdef", 1, A::taLeftJustify, TPasswordKind::pkNone, 2, 19},
      {"beyond the end", u"abcdef", 1, A::taLeftJustify, TPasswordKind::pkNone, 10, 47},
      {"narrow letters", u"iiab", 1, A::taLeftJustify, TPasswordKind::pkNone, 3, 18},
      {"scrolled", u"abcdef", 3, A::taLeftJustify, TPasswordKind::pkNone, 4, 19},
      {"before the first drawn", u"abcdef", 3, A::taLeftJustify, TPasswordKind::pkNone, 0, -9},
      // Wider text than the rectangle is never shifted by the alignment.
      {"wide text right", u"abcdef", 1, A::taRightJustify, TPasswordKind::pkNone, 0, 5},
      {"right", u"ab", 1, A::taRightJustify, TPasswordKind::pkNone, 0, 31},
      {"centre", u"ab", 1, A::taCenter, TPasswordKind::pkNone, 0, 18},
      {"centre odd", u"abc", 1, A::taCenter, TPasswordKind::pkNone, 0, 14},
      {"cells", u"abc", 1, A::taLeftJustify, TPasswordKind::pkRect, 2, 21},
      {"cells centred", u"abc", 1, A::taCenter, TPasswordKind::pkCircle, 0, 13},
      {"after a pair", u"a" + kPair + u"b", 1, A::taLeftJustify, TPasswordKind::pkNone, 3, 22},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(View(r.first, r.align, r.kind).XOfIndex(r.text, r.index), r.x);
  }
}

TEST(EditView, IndexAtX) {
  struct Row {
    const char* name;
    std::u16string text;
    std::int32_t first;
    TPasswordKind kind;
    std::int32_t x, index;
  };
  const Row rows[] = {
      // Midpoints at 8, 14, 20 (then the end).
      {"on the first middle", u"abc", 1, TPasswordKind::pkNone, 8, 0},
      {"past the first middle", u"abc", 1, TPasswordKind::pkNone, 9, 1},
      {"past the second", u"abc", 1, TPasswordKind::pkNone, 15, 2},
      {"past the last", u"abc", 1, TPasswordKind::pkNone, 21, 3},
      {"far right of short text", u"abc", 1, TPasswordKind::pkNone, 100, 3},
      // Halves are whole pixels (3 + 3): midpoints 8, 14, ... 44, then 50 lies beyond the
      // right edge 45 and the index stops at 7.
      {"far right of long text", u"abcdefgh", 1, TPasswordKind::pkNone, 100, 7},
      {"scrolled", u"abcdefgh", 3, TPasswordKind::pkNone, 9, 3},
      // Midpoints 8 and 16 (a 10-wide pair), then 24: the pair is never split.
      {"short of the pair middle", u"a" + kPair + u"b", 1, TPasswordKind::pkNone, 13, 1},
      {"past the pair middle", u"a" + kPair + u"b", 1, TPasswordKind::pkNone, 17, 3},
      {"cells", u"abcdef", 1, TPasswordKind::pkRect, 22, 2},
      {"cells left of the text", u"abcdef", 1, TPasswordKind::pkRect, 0, 0},
      {"cells scrolled", u"abcdef", 3, TPasswordKind::pkRect, 5, 2},
      {"cells beyond", u"abcdef", 1, TPasswordKind::pkRect, 1000, 6},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(View(r.first, A::taLeftJustify, r.kind).IndexAtX(r.text, r.x), r.index);
  }
  // Centred "ab" starts 13 pixels in: its midpoints move to 21 and 27.
  EXPECT_EQ(View(1, A::taCenter).IndexAtX(u"ab", 21), 0);
  EXPECT_EQ(View(1, A::taCenter).IndexAtX(u"ab", 28), 2);
}

TEST(EditView, ScrollsToKeepTheCaretInView) {
  struct Row {
    const char* name;
    std::u16string text;
    std::int32_t width, first, caret, after;
  };
  const std::u16string pairs = kPair + kPair + kPair + kPair + kPair;
  const Row rows[] = {
      // 56 pixels of text in 40: starting at the 4th character leaves 35.
      {"to the end", u"abcdefgh", 40, 1, 8, 4},
      {"back left", u"abcdefgh", 40, 4, 2, 2},
      {"home", u"abcdefgh", 40, 4, 0, 1},
      {"just before the first drawn", u"abcdefgh", 40, 4, 3, 3},
      {"already in view", u"abcdefgh", 40, 2, 5, 2},
      // Steps over whole pairs: 50 > 48 moves past the first pair, to index 2.
      {"pairs", pairs, 48, 1, 10, 3},
      // Back onto a pair: drawing starts at its first half.
      {"back onto a pair", u"a" + kPair + u"b", 40, 4, 3, 2},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TSeEditView v = View(r.first);
    v.TextRect.Right = v.TextRect.Left + r.width;
    v.ScrollToCaret(r.text, r.caret);
    EXPECT_EQ(v.FirstVisible, r.after);
  }
}

TEST(EditView, SelectionRectIsClipped) {
  EXPECT_EQ(View(1).SelectionRect(u"abcdef", 1, 2), Rect(12, 5, 26, 20));
  EXPECT_EQ(View(3).SelectionRect(u"abcdef", 0, 3), Rect(5, 5, 12, 20));
  EXPECT_EQ(View(1).SelectionRect(u"abcdefgh", 4, 4), Rect(33, 5, 45, 20));
}

TEST(EditView, CellWidth) {
  struct Row {
    TPasswordKind kind;
    char16_t mark;
    std::int32_t width;
  };
  const Row rows[] = {{TPasswordKind::pkChar, u'i', 3},
                      {TPasswordKind::pkTriangle, 0, 7},
                      {TPasswordKind::pkNone, 0, 10}};
  for (const Row& r : rows) {
    TSeEditView v = View(1, A::taLeftJustify, r.kind);
    v.ComputeCellWidth(r.mark);
    EXPECT_EQ(v.CellWidth, r.width);
  }
  TSeEditView v = View(1, A::taLeftJustify, TPasswordKind::pkChar);
  v.Measure = [](std::u16string_view) { return 0; };
  v.ComputeCellWidth(u' ');
  EXPECT_EQ(v.CellWidth, 1);
}

}  // namespace
