#include "skin/controls/TSeEditModel.h"

#include <algorithm>

namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::u16string TSeEditModel::AsciiCaseMapper(const std::u16string& s, TEditCharCase c) {
  std::u16string r = s;
  for (char16_t& ch : r) {
    if (c == TEditCharCase::ecUpperCase && ch >= u'a' && ch <= u'z') ch = ch - u'a' + u'A';
    if (c == TEditCharCase::ecLowerCase && ch >= u'A' && ch <= u'Z') ch = ch - u'A' + u'a';
  }
  return r;
}

std::int32_t TSeEditModel::SelStart() const {
  if (FSelLength > 0) return FSelAnchor;
  if (FSelLength < 0) return FSelAnchor + FSelLength;
  return FCaretPos;
}

std::u16string TSeEditModel::SelText() const {
  return FText.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelCount()));
}

void TSeEditModel::Select(std::int32_t start, std::int32_t count) {
  start = std::clamp(start, 0, Length());
  count = std::clamp(count, 0, Length() - start);
  FCaretPos = start + count;
  FSelAnchor = FCaretPos;
  FSelLength = -count;
}

bool TSeEditModel::SetText(const std::u16string& s) {
  const std::u16string stored =
      (s.empty() || FCharCase == TEditCharCase::ecNormal) ? s : FCaseMapper(s, FCharCase);
  const bool changed = stored != FText;
  FText = stored;
  // A shorter text from outside must not leave the selection or caret past its end.
  if (std::int64_t{SelStart()} + SelCount() > Length()) FSelLength = 0;
  PlaceCaret(FCaretPos);
  return changed;
}

bool TSeEditModel::SetCharCase(TEditCharCase c) {
  FCharCase = c;
  return !FText.empty() && SetText(FText);
}

void TSeEditModel::SetPasswordWideChar(char16_t c) {
  FPasswordWideChar = c;
  if (c != 0) FPasswordKind = TPasswordKind::pkChar;
}

void TSeEditModel::PlaceCaret(std::int32_t pos) {
  FCaretPos = std::clamp(pos, 0, Length());
  if (FCaretPos > 0 && FCaretPos < Length() && IsLowSurrogate(FText[FCaretPos]) &&
      IsHighSurrogate(FText[FCaretPos - 1]))
    --FCaretPos;
  if (FSelLength == 0) FSelAnchor = FCaretPos;
}

void TSeEditModel::ClearSelection() {
  FSelLength = 0;
  FSelAnchor = FCaretPos;
}

std::int32_t TSeEditModel::PrevCharPos(std::int32_t pos) const {
  if (pos <= 0) return 0;
  std::int32_t p = pos - 1;
  if (p > 0 && IsLowSurrogate(FText[p]) && IsHighSurrogate(FText[p - 1])) --p;
  return p;
}

std::int32_t TSeEditModel::NextCharPos(std::int32_t pos) const {
  if (pos >= Length()) return Length();
  std::int32_t p = pos + 1;
  if (p < Length() && IsLowSurrogate(FText[p]) && IsHighSurrogate(FText[p - 1])) ++p;
  return p;
}

// Words are separated by blanks only.
std::int32_t TSeEditModel::PrevWordStart(std::int32_t pos) const {
  while (pos > 0 && FText[pos - 1] == u' ') --pos;
  while (pos > 0 && FText[pos - 1] != u' ') --pos;
  return pos;
}

std::int32_t TSeEditModel::NextWordEnd(std::int32_t pos) const {
  while (pos < Length() && FText[pos] == u' ') ++pos;
  while (pos < Length() && FText[pos] != u' ') ++pos;
  return pos;
}

bool TSeEditModel::InsertText(const std::u16string& s) {
  if (FReadOnly) return false;
  const std::int32_t start = SelStart();
  const std::int32_t count = SelCount();
  std::u16string next = FText;
  next.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(count), s);
  if (FMaxLength > 0 && next.size() > static_cast<std::size_t>(FMaxLength)) {
    ClearSelection();
    return false;
  }
  FUndo.RecordDeletion(
      FText.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)), start + 1);
  FUndo.RecordInsertion(static_cast<std::int32_t>(s.size()), start + 1, count > 0);
  FSelLength = 0;
  SetText(next);
  PlaceCaret(start + static_cast<std::int32_t>(s.size()));
  ClearSelection();
  return true;
}

void TSeEditModel::DeleteSelection() {
  if (FReadOnly) return;
  const std::int32_t start = SelStart();
  FUndo.RecordDeletion(SelText(), start + 1);
  std::u16string next = FText;
  next.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(SelCount()));
  FSelLength = 0;
  SetText(next);
  PlaceCaret(start);
  ClearSelection();
}

std::optional<std::u16string> TSeEditModel::CopyToClipboard() const {
  if (FPasswordKind != TPasswordKind::pkNone || SelCount() == 0) return std::nullopt;
  return SelText();
}

std::optional<std::u16string> TSeEditModel::CutToClipboard() {
  std::optional<std::u16string> copied = CopyToClipboard();
  DeleteSelection();
  return copied;
}

void TSeEditModel::PasteFromClipboard(const std::u16string& clip) {
  if (FReadOnly) return;
  InsertText(clip);
}

void TSeEditModel::SelectAll() {
  FCaretPos = 0;
  FSelAnchor = 0;
  FSelLength = Length();
}

bool TSeEditModel::Undo() {
  if (FUndo.Empty()) return false;
  while (!FUndo.Empty()) {
    const TEditAction a = FUndo.Pop();
    // The text may have been set from outside since the record was made.
    const std::int32_t p = std::clamp(a.Position - 1, 0, Length());
    std::u16string next = FText;
    if (a.Kind == TEditAction::TKind::Deleted) {
      std::u16string t = a.DeletedText;
      if (FMaxLength > 0) {
        std::size_t room = static_cast<std::size_t>(std::max(0, FMaxLength - Length()));
        // Never keep half of a surrogate pair.
        if (room < t.size() && room > 0 && IsLowSurrogate(t[room]) && IsHighSurrogate(t[room - 1]))
          --room;
        t.resize(std::min(room, t.size()));
      }
      next.insert(static_cast<std::size_t>(p), t);
      FSelLength = 0;
      SetText(next);
      Select(p, static_cast<std::int32_t>(t.size()));
    } else {
      const std::int32_t n = std::min(a.InsertedCount, Length() - p);
      next.erase(static_cast<std::size_t>(p), static_cast<std::size_t>(std::max(0, n)));
      FSelLength = 0;
      SetText(next);
      PlaceCaret(p);
      ClearSelection();
    }
    if (!a.Chained) break;
  }
  return true;
}

void TSeEditModel::SelectWord() {
  std::int32_t start = FCaretPos;
  while (start > 0 && FText[start - 1] != u' ') --start;
  std::int32_t end = FCaretPos;
  while (end < Length() && FText[end] != u' ') ++end;
  Select(start, end - start);
}

void TSeEditModel::MoveCaret(std::int32_t to, bool extend) {
  const std::int32_t old = FCaretPos;
  FCaretPos = std::clamp(to, 0, Length());
  if (extend) {
    if (FSelLength == 0) FSelAnchor = old;
    FSelAnchor = FCaretPos;
    FSelLength += old - FCaretPos;
  } else {
    FSelLength = 0;
  }
}

TEditKeyResult TSeEditModel::KeyDown(std::uint16_t key, TEditShiftState shift) {
  TEditKeyResult result;
  const bool onlyShift = shift.Shift && !shift.Ctrl && !shift.Alt;
  const bool onlyCtrl = shift.Ctrl && !shift.Shift && !shift.Alt;
  switch (key) {
    case kKeyBack:
    case kKeyDelete:
      if (FReadOnly) break;
      if (SelCount() > 0) {
        if (onlyShift)
          result.ToClipboard = CutToClipboard();
        else
          DeleteSelection();
      } else if (key == kKeyDelete && FCaretPos < Length()) {
        const std::int32_t end = NextCharPos(FCaretPos);
        std::u16string next = FText;
        FUndo.RecordDeletion(next.substr(static_cast<std::size_t>(FCaretPos),
                                         static_cast<std::size_t>(end - FCaretPos)),
                             FCaretPos + 1);
        next.erase(static_cast<std::size_t>(FCaretPos), static_cast<std::size_t>(end - FCaretPos));
        SetText(next);
      } else if (key == kKeyBack && FCaretPos > 0) {
        const std::int32_t start = PrevCharPos(FCaretPos);
        std::u16string next = FText;
        FUndo.RecordDeletion(next.substr(static_cast<std::size_t>(start),
                                         static_cast<std::size_t>(FCaretPos - start)),
                             start + 1);
        next.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(FCaretPos - start));
        SetText(next);
        FCaretPos = start;
      }
      break;
    case kKeyEnd:
      MoveCaret(Length(), shift.Shift);
      break;
    case kKeyHome:
      MoveCaret(0, shift.Shift);
      break;
    case kKeyLeft:
      MoveCaret(shift.Ctrl ? PrevWordStart(FCaretPos) : PrevCharPos(FCaretPos), shift.Shift);
      break;
    case kKeyRight:
      MoveCaret(shift.Ctrl ? NextWordEnd(FCaretPos) : NextCharPos(FCaretPos), shift.Shift);
      break;
    case kKeyInsert:
      if (onlyCtrl) result.ToClipboard = CopyToClipboard();
      if (onlyShift) result.WantsPaste = !FReadOnly;
      break;
    case u'C':
      if (onlyCtrl) result.ToClipboard = CopyToClipboard();
      break;
    case u'V':
      if (onlyCtrl) result.WantsPaste = !FReadOnly;
      break;
    case u'X':
      if (onlyCtrl) result.ToClipboard = CutToClipboard();
      break;
    case u'Z':
      if (onlyCtrl) Undo();
      break;
    default:
      break;
  }
  PlaceCaret(FCaretPos);
  return result;
}

void TSeEditModel::KeyPress(char16_t c) {
  if (c < 32 || FReadOnly) {
    FPendingHigh = 0;
    return;
  }
  if (IsHighSurrogate(c)) {
    FPendingHigh = c;
    return;
  }
  if (IsLowSurrogate(c)) {
    if (FPendingHigh != 0) InsertText(std::u16string{FPendingHigh, c});
    FPendingHigh = 0;
    return;
  }
  FPendingHigh = 0;
  InsertText(std::u16string(1, c));
}
