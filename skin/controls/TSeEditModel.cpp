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
  if (selLength_ > 0) return selAnchor_;
  if (selLength_ < 0) return selAnchor_ + selLength_;
  return caretPos_;
}

std::u16string TSeEditModel::SelText() const {
  return text_.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelCount()));
}

void TSeEditModel::Select(std::int32_t start, std::int32_t count) {
  start = std::clamp(start, 0, Length());
  count = std::clamp(count, 0, Length() - start);
  caretPos_ = start + count;
  selAnchor_ = caretPos_;
  selLength_ = -count;
}

bool TSeEditModel::SetText(const std::u16string& s) {
  const std::u16string stored =
      (s.empty() || charCase_ == TEditCharCase::ecNormal) ? s : caseMapper_(s, charCase_);
  const bool changed = stored != text_;
  text_ = stored;
  // A shorter text from outside must not leave the selection or caret past its end.
  if (std::int64_t{SelStart()} + SelCount() > Length()) selLength_ = 0;
  PlaceCaret(caretPos_);
  return changed;
}

bool TSeEditModel::SetCharCase(TEditCharCase c) {
  charCase_ = c;
  return !text_.empty() && SetText(text_);
}

void TSeEditModel::SetPasswordWideChar(char16_t c) {
  passwordWideChar_ = c;
  if (c != 0) passwordKind_ = TPasswordKind::pkChar;
}

void TSeEditModel::PlaceCaret(std::int32_t pos) {
  caretPos_ = std::clamp(pos, 0, Length());
  if (caretPos_ > 0 && caretPos_ < Length() && IsLowSurrogate(text_[caretPos_]) &&
      IsHighSurrogate(text_[caretPos_ - 1]))
    --caretPos_;
  if (selLength_ == 0) selAnchor_ = caretPos_;
}

void TSeEditModel::ClearSelection() {
  selLength_ = 0;
  selAnchor_ = caretPos_;
}

std::int32_t TSeEditModel::PrevCharPos(std::int32_t pos) const {
  if (pos <= 0) return 0;
  std::int32_t p = pos - 1;
  if (p > 0 && IsLowSurrogate(text_[p]) && IsHighSurrogate(text_[p - 1])) --p;
  return p;
}

std::int32_t TSeEditModel::NextCharPos(std::int32_t pos) const {
  if (pos >= Length()) return Length();
  std::int32_t p = pos + 1;
  if (p < Length() && IsLowSurrogate(text_[p]) && IsHighSurrogate(text_[p - 1])) ++p;
  return p;
}

// Words are separated by blanks only.
std::int32_t TSeEditModel::PrevWordStart(std::int32_t pos) const {
  while (pos > 0 && text_[pos - 1] == u' ') --pos;
  while (pos > 0 && text_[pos - 1] != u' ') --pos;
  return pos;
}

std::int32_t TSeEditModel::NextWordEnd(std::int32_t pos) const {
  while (pos < Length() && text_[pos] == u' ') ++pos;
  while (pos < Length() && text_[pos] != u' ') ++pos;
  return pos;
}

bool TSeEditModel::InsertText(const std::u16string& s) {
  if (readOnly_) return false;
  const std::int32_t start = SelStart();
  const std::int32_t count = SelCount();
  std::u16string next = text_;
  next.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(count), s);
  if (maxLength_ > 0 && next.size() > static_cast<std::size_t>(maxLength_)) {
    ClearSelection();
    return false;
  }
  undo_.RecordDeletion(
      text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)), start + 1);
  undo_.RecordInsertion(static_cast<std::int32_t>(s.size()), start + 1, count > 0);
  selLength_ = 0;
  SetText(next);
  PlaceCaret(start + static_cast<std::int32_t>(s.size()));
  ClearSelection();
  return true;
}

void TSeEditModel::DeleteSelection() {
  if (readOnly_) return;
  const std::int32_t start = SelStart();
  undo_.RecordDeletion(SelText(), start + 1);
  std::u16string next = text_;
  next.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(SelCount()));
  selLength_ = 0;
  SetText(next);
  PlaceCaret(start);
  ClearSelection();
}

std::optional<std::u16string> TSeEditModel::CopyToClipboard() const {
  if (passwordKind_ != TPasswordKind::pkNone || SelCount() == 0) return std::nullopt;
  return SelText();
}

std::optional<std::u16string> TSeEditModel::CutToClipboard() {
  std::optional<std::u16string> copied = CopyToClipboard();
  DeleteSelection();
  return copied;
}

void TSeEditModel::PasteFromClipboard(const std::u16string& clip) {
  if (readOnly_) return;
  InsertText(clip);
}

void TSeEditModel::SelectAll() {
  caretPos_ = 0;
  selAnchor_ = 0;
  selLength_ = Length();
}

bool TSeEditModel::Undo() {
  if (undo_.Empty()) return false;
  while (!undo_.Empty()) {
    const TEditAction a = undo_.Pop();
    // The text may have been set from outside since the record was made.
    const std::int32_t p = std::clamp(a.Position - 1, 0, Length());
    std::u16string next = text_;
    if (a.Kind == TEditAction::TKind::Deleted) {
      std::u16string t = a.DeletedText;
      if (maxLength_ > 0) {
        std::size_t room = static_cast<std::size_t>(std::max(0, maxLength_ - Length()));
        // Never keep half of a surrogate pair.
        if (room < t.size() && room > 0 && IsLowSurrogate(t[room]) && IsHighSurrogate(t[room - 1]))
          --room;
        t.resize(std::min(room, t.size()));
      }
      next.insert(static_cast<std::size_t>(p), t);
      selLength_ = 0;
      SetText(next);
      Select(p, static_cast<std::int32_t>(t.size()));
    } else {
      const std::int32_t n = std::min(a.InsertedCount, Length() - p);
      next.erase(static_cast<std::size_t>(p), static_cast<std::size_t>(std::max(0, n)));
      selLength_ = 0;
      SetText(next);
      PlaceCaret(p);
      ClearSelection();
    }
    if (!a.Chained) break;
  }
  return true;
}

void TSeEditModel::SelectWord() {
  std::int32_t start = caretPos_;
  while (start > 0 && text_[start - 1] != u' ') --start;
  std::int32_t end = caretPos_;
  while (end < Length() && text_[end] != u' ') ++end;
  Select(start, end - start);
}

void TSeEditModel::MoveCaret(std::int32_t to, bool extend) {
  const std::int32_t old = caretPos_;
  caretPos_ = std::clamp(to, 0, Length());
  if (extend) {
    if (selLength_ == 0) selAnchor_ = old;
    selAnchor_ = caretPos_;
    selLength_ += old - caretPos_;
  } else {
    selLength_ = 0;
  }
}

TEditMenuState TSeEditModel::MenuState(bool clipboardHasText) const {
  const bool selected = SelCount() > 0;
  const bool masked = passwordKind_ != TPasswordKind::pkNone;
  TEditMenuState m;
  m.Undo = !undo_.Empty() && !readOnly_;
  m.Cut = selected && !masked && !readOnly_;
  m.Copy = selected && !masked;
  m.Paste = clipboardHasText && !readOnly_;
  m.Delete = selected && !readOnly_;
  m.SelectAll = SelCount() != Length();
  return m;
}

void TSeEditModel::DeleteChars(std::int32_t start, std::int32_t end) {
  const auto from = static_cast<std::size_t>(start);
  const auto count = static_cast<std::size_t>(end - start);
  undo_.RecordDeletion(text_.substr(from, count), start + 1);
  std::u16string next = text_;
  next.erase(from, count);
  SetText(next);
}

TEditKeyResult TSeEditModel::KeyDown(std::uint16_t key, TEditShiftState shift) {
  TEditKeyResult result;
  const bool onlyShift = shift.Shift && !shift.Ctrl && !shift.Alt;
  const bool onlyCtrl = shift.Ctrl && !shift.Shift && !shift.Alt;
  switch (key) {
    case kKeyBack:
    case kKeyDelete:
      if (readOnly_) break;
      if (SelCount() > 0) {
        if (onlyShift)
          result.ToClipboard = CutToClipboard();
        else
          DeleteSelection();
      } else if (key == kKeyDelete && caretPos_ < Length()) {
        DeleteChars(caretPos_, NextCharPos(caretPos_));
      } else if (key == kKeyBack && caretPos_ > 0) {
        const std::int32_t start = PrevCharPos(caretPos_);
        DeleteChars(start, caretPos_);
        caretPos_ = start;
      }
      break;
    case kKeyEnd:
      MoveCaret(Length(), shift.Shift);
      break;
    case kKeyHome:
      MoveCaret(0, shift.Shift);
      break;
    case kKeyLeft:
      MoveCaret(shift.Ctrl ? PrevWordStart(caretPos_) : PrevCharPos(caretPos_), shift.Shift);
      break;
    case kKeyRight:
      MoveCaret(shift.Ctrl ? NextWordEnd(caretPos_) : NextCharPos(caretPos_), shift.Shift);
      break;
    case kKeyInsert:
      if (onlyCtrl) result.ToClipboard = CopyToClipboard();
      if (onlyShift) result.WantsPaste = !readOnly_;
      break;
    case u'C':
      if (onlyCtrl) result.ToClipboard = CopyToClipboard();
      break;
    case u'V':
      if (onlyCtrl) result.WantsPaste = !readOnly_;
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
  PlaceCaret(caretPos_);
  return result;
}

void TSeEditModel::KeyPress(char16_t c) {
  if (c < 32 || readOnly_) {
    pendingHigh_ = 0;
    return;
  }
  if (IsHighSurrogate(c)) {
    pendingHigh_ = c;
    return;
  }
  if (IsLowSurrogate(c)) {
    if (pendingHigh_ != 0) InsertText(std::u16string{pendingHigh_, c});
    pendingHigh_ = 0;
    return;
  }
  pendingHigh_ = 0;
  InsertText(std::u16string(1, c));
}
