#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "skin/controls/TSeEditModel.h"

namespace {

using M = TSeEditModel;

const TEditShiftState kNone{}, kShift{true, false, false}, kCtrl{false, true, false};
const TEditShiftState kCtrlShift{true, true, false};

struct KeyToken {
  std::u16string_view name;
  std::uint16_t key;
  TEditShiftState shift;
};
// clang-format off
const KeyToken kKeys[] = {
    {u"BS", M::kKeyBack, kNone},       {u"DEL", M::kKeyDelete, kNone},
    {u"S-DEL", M::kKeyDelete, kShift}, {u"L", M::kKeyLeft, kNone},
    {u"R", M::kKeyRight, kNone},       {u"S-L", M::kKeyLeft, kShift},
    {u"S-R", M::kKeyRight, kShift},    {u"C-L", M::kKeyLeft, kCtrl},
    {u"C-R", M::kKeyRight, kCtrl},     {u"CS-L", M::kKeyLeft, kCtrlShift},
    {u"HOME", M::kKeyHome, kNone},     {u"END", M::kKeyEnd, kNone},
    {u"S-HOME", M::kKeyHome, kShift},  {u"C-C", u'C', kCtrl},
    {u"C-X", u'X', kCtrl},            {u"C-Z", u'Z', kCtrl},
    {u"C-INS", M::kKeyInsert, kCtrl},
};
// clang-format on

// Runs a script on a fresh edit: plain units are typed one by one; <...> is a key or setting.
// Returns what the last clipboard request put there.
std::optional<std::u16string> RunScript(TSeEditModel& e, const std::u16string& script) {
  std::optional<std::u16string> clip;
  std::size_t i = 0;
  while (i < script.size()) {
    if (script[i] != u'<') {
      e.KeyPress(script[i++]);
      continue;
    }
    const std::size_t close = script.find(u'>', i);
    const std::u16string t = script.substr(i + 1, close - i - 1);
    i = close + 1;
    const auto key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [&](const KeyToken& k) { return k.name == t; });
    if (key != std::end(kKeys)) {
      if (auto r = e.KeyDown(key->key, key->shift); r.ToClipboard) clip = r.ToClipboard;
    } else if (t == u"ALL") {
      e.SelectAll();
    } else if (t == u"WORD") {
      e.SelectWord();
    } else if (t == u"RO") {
      e.SetReadOnly(true);
    } else if (t == u"MAX3") {
      e.SetMaxLength(3);
    } else if (t == u"UPPER") {
      e.SetCharCase(TEditCharCase::ecUpperCase);
    } else if (t == u"LOWER") {
      e.SetCharCase(TEditCharCase::ecLowerCase);
    } else if (t == u"PWD") {
      e.SetPasswordKind(TPasswordKind::pkRect);
    } else if (t.starts_with(u"T:")) {
      e.SetText(t.substr(2));
    } else if (t.starts_with(u"P:")) {
      e.PasteFromClipboard(t.substr(2));
    } else {
      ADD_FAILURE() << "unknown token";
    }
  }
  return clip;
}

struct Case {
  const char* name;
  std::u16string script;
  std::u16string text;
  int caret, selStart, selCount;
  std::size_t undoRecords;
};

// Expected states worked out from the editing rules by hand.
const Case kCases[] = {
    {"typed run undone at once", u"abc<C-Z>", u"", 0, 0, 0, 0},
    // "bc" replaced by "x": deletion then chained insertion; undo takes both back and
    // selects the restored "bc" with the caret at its end.
    {"replace selection then undo", u"abcd<L><L><L><S-R><S-R>x<C-Z>", u"abcd", 3, 1, 2, 1},
    {"replace selection", u"abcd<L><L><L><S-R><S-R>x", u"axd", 2, 2, 0, 3},
    {"typing after replacing joins the chained run", u"abcd<HOME><S-R>xy<C-Z>", u"abcd", 1, 0, 1,
     1},
    // Backspaces gather in front: undo restores "def", not "fed".
    {"backspace run undone at once", u"abcdef<BS><BS><BS><C-Z>", u"abcdef", 6, 3, 3, 1},
    {"delete run gathers behind", u"abcdef<HOME><R><DEL><DEL><C-Z>", u"abcdef", 3, 1, 2, 1},
    {"delete at end records nothing", u"ab<DEL>", u"ab", 2, 2, 0, 1},
    {"backspace at 0 records nothing", u"ab<HOME><BS>", u"ab", 0, 0, 0, 1},
    {"nothing to undo", u"<C-Z>", u"", 0, 0, 0, 0},
    {"max length refuses typing", u"<MAX3>abcd", u"abc", 3, 3, 0, 1},
    // Refused replacement keeps the text and stack but clears the selection.
    {"max length refuses replacing paste", u"<MAX3>abc<HOME><S-R><P:xy>", u"abc", 1, 1, 0, 1},
    // Only one of "abc" fits beside the "xy" set from outside.
    {"max length cuts undone deletion", u"<MAX3>abc<ALL><BS><T:xy><C-Z>", u"axy", 1, 0, 1, 1},
    {"upper case", u"<UPPER>aB", u"AB", 2, 2, 0, 1},
    {"char case re-sets the text", u"aB<LOWER>", u"ab", 2, 2, 0, 1},
    {"read only refuses editing", u"ab<RO>c<BS><DEL><L><DEL><P:z>", u"ab", 1, 1, 0, 1},
    {"read only still undoes", u"ab<RO><C-Z>", u"", 0, 0, 0, 0},
    {"shift extends and shrinks", u"abcd<L><S-L><S-L><S-R>", u"abcd", 2, 2, 1, 1},
    {"plain arrow drops the selection", u"abcd<S-L><S-L><L>", u"abcd", 1, 1, 0, 1},
    {"shift home selects to start", u"abcd<L><S-HOME>", u"abcd", 0, 0, 3, 1},
    {"select all puts caret at start", u"abcd<ALL>", u"abcd", 0, 0, 4, 1},
    {"select all then type replaces all", u"abcd<ALL>x", u"x", 1, 1, 0, 3},
    {"ctrl left to word start", u"ab cd  ef<C-L><C-L>", u"ab cd  ef", 3, 3, 0, 1},
    {"ctrl right past word end", u"ab cd<HOME><C-R><C-R>", u"ab cd", 5, 5, 0, 1},
    {"ctrl shift left selects word", u"ab cd<CS-L>", u"ab cd", 3, 3, 2, 1},
    {"double click selects word", u"ab cdef gh<L><L><L><L><WORD>", u"ab cdef gh", 7, 3, 4, 1},
    // U+1F600 is a surrogate pair: one character for caret, Backspace and Delete.
    {"pair typed is one insertion", u"\U0001F600<C-Z>", u"", 0, 0, 0, 0},
    {"left steps over a pair", u"a\U0001F600b<L><L>", u"a\U0001F600b", 1, 1, 0, 1},
    {"backspace takes the pair", u"a\U0001F600b<L><BS>", u"ab", 1, 1, 0, 2},
    {"delete takes the pair", u"a\U0001F600b<HOME><R><DEL>", u"ab", 1, 1, 0, 2},
    {"undo restores the pair selected", u"a\U0001F600b<L><BS><C-Z>", u"a\U0001F600b", 3, 1, 2, 1},
    {"shift right selects the pair", u"a\U0001F600<HOME><R><S-R>", u"a\U0001F600", 3, 1, 2, 1},
    // Undo after a shorter text came from outside must not reach past its end.
    {"stale undo position", u"abcdef<BS><T:a><C-Z>", u"af", 2, 1, 1, 1},
};

TEST(EditModel, ScriptsEndInTheWorkedState) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TSeEditModel e;
    RunScript(e, c.script);
    EXPECT_TRUE(e.Text() == c.text);
    EXPECT_EQ(e.CaretPos(), c.caret);
    EXPECT_EQ(e.SelStart(), c.selStart);
    EXPECT_EQ(e.SelCount(), c.selCount);
    EXPECT_EQ(e.UndoStack().Count(), c.undoRecords);
  }
}

TEST(EditModel, ClipboardUnderPasswordKinds) {
  struct Row {
    const char* name;
    std::u16string script;
    std::optional<std::u16string> clip;
    std::u16string text;
  };
  const Row rows[] = {
      {"copy", u"abcd<HOME><R><S-R><S-R><C-C>", u"bc", u"abcd"},
      {"copy nothing selected", u"abcd<C-C>", std::nullopt, u"abcd"},
      {"ctrl insert copies", u"abcd<ALL><C-INS>", u"abcd", u"abcd"},
      {"cut", u"abcd<HOME><R><S-R><S-R><C-X>", u"bc", u"ad"},
      {"shift delete cuts", u"abcd<HOME><R><S-R><S-R><S-DEL>", u"bc", u"ad"},
      {"password copy gives nothing", u"<PWD>abcd<ALL><C-C>", std::nullopt, u"abcd"},
      {"password cut gives nothing but deletes", u"<PWD>abcd<ALL><C-X>", std::nullopt, u""},
      {"password shift delete deletes", u"<PWD>abcd<ALL><S-DEL>", std::nullopt, u""},
      {"read only cut copies but keeps", u"abcd<ALL><RO><C-X>", u"abcd", u"abcd"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TSeEditModel e;
    EXPECT_EQ(RunScript(e, r.script), r.clip);
    EXPECT_TRUE(e.Text() == r.text);
  }
}

TEST(EditModel, PasteRequestsFollowModifiersAndReadOnly) {
  TSeEditModel e;
  EXPECT_TRUE(e.KeyDown(u'V', {false, true, false}).WantsPaste);
  EXPECT_TRUE(e.KeyDown(M::kKeyInsert, {true, false, false}).WantsPaste);
  EXPECT_FALSE(e.KeyDown(u'V', {true, true, false}).WantsPaste);
  e.SetReadOnly(true);
  EXPECT_FALSE(e.KeyDown(u'V', {false, true, false}).WantsPaste);
}

TEST(EditModel, ContextMenuItemsFollowSelectionPasswordAndReadOnly) {
  struct Row {
    const char* name;
    std::u16string script;
    bool clipHasText;
    TEditMenuState menu;  // Undo, Cut, Copy, Paste, Delete, Select All
  };
  const Row rows[] = {
      {"empty edit", u"", false, {false, false, false, false, false, false}},
      {"typed, nothing selected", u"ab", true, {true, false, false, true, false, true}},
      {"part selected", u"ab<S-L>", false, {true, true, true, false, true, true}},
      {"all selected", u"ab<ALL>", false, {true, true, true, false, true, false}},
      {"password keeps delete only",
       u"<PWD>ab<S-L>",
       false,
       {true, false, false, false, true, true}},
      {"read only", u"ab<S-L><RO>", true, {false, false, true, false, false, true}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TSeEditModel e;
    RunScript(e, r.script);
    const TEditMenuState m = e.MenuState(r.clipHasText);
    EXPECT_EQ(m.Undo, r.menu.Undo);
    EXPECT_EQ(m.Cut, r.menu.Cut);
    EXPECT_EQ(m.Copy, r.menu.Copy);
    EXPECT_EQ(m.Paste, r.menu.Paste);
    EXPECT_EQ(m.Delete, r.menu.Delete);
    EXPECT_EQ(m.SelectAll, r.menu.SelectAll);
  }
}

TEST(EditModel, PasswordWideCharSetsCharKind) {
  TSeEditModel e;
  e.SetPasswordWideChar(u'*');
  EXPECT_EQ(e.PasswordKind(), TPasswordKind::pkChar);
}

TEST(EditActionStack, DeletionJoinsOnlyWithinReach) {
  // A deletion record "x" at position 5; then T at P: joined when 0 <= 5 - P and
  // 5 - P - length(T) <= 1.
  struct Row {
    std::u16string t;
    std::int32_t p;
    std::size_t count;
    std::u16string topText;
    std::int32_t topPos;
  };
  const Row rows[] = {
      {u"a", 5, 1, u"xa", 5},    // Delete again at the same place: behind
      {u"a", 4, 1, u"ax", 4},    // Backspace just before: in front
      {u"a", 3, 1, u"ax", 3},    // 5 - 3 - 1 = 1 still joins
      {u"a", 2, 2, u"a", 2},     // 5 - 2 - 1 = 2: a new record
      {u"ab", 2, 1, u"abx", 2},  // longer text reaches further
      {u"a", 6, 2, u"a", 6},     // after the run: a new record
      {u"", 5, 1, u"x", 5},      // nothing deleted, nothing recorded
  };
  for (const Row& r : rows) {
    TEditActionStack s;
    s.RecordDeletion(u"x", 5);
    s.RecordDeletion(r.t, r.p);
    EXPECT_EQ(s.Count(), r.count);
    EXPECT_TRUE(s.Top().DeletedText == r.topText);
    EXPECT_EQ(s.Top().Position, r.topPos);
  }
}

TEST(EditActionStack, InsertionJoinsOnlyAtItsEnd) {
  TEditActionStack s;
  s.RecordInsertion(0, 1, false);
  EXPECT_TRUE(s.Empty());
  s.RecordInsertion(2, 3, true);
  s.RecordInsertion(1, 5, false);  // right after: joined, keeps its chained flag
  ASSERT_EQ(s.Count(), 1u);
  EXPECT_EQ(s.Top().InsertedCount, 3);
  EXPECT_TRUE(s.Top().Chained);
  s.RecordInsertion(1, 3, false);  // elsewhere: a new record
  EXPECT_EQ(s.Count(), 2u);
  s.RecordDeletion(u"q", 1);
  s.RecordInsertion(1, 1, false);  // a deletion on top: never joined
  EXPECT_EQ(s.Count(), 4u);
}

}  // namespace
