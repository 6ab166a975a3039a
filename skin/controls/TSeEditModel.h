#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "skin/controls/TEditActionStack.h"

enum class TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };

enum class TPasswordKind : std::uint8_t {
  pkNone,
  pkChar,
  pkRect,
  pkRoundRect,
  pkCircle,
  pkTriangle
};

// Modifier keys held with a key press.
struct TEditShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// Which items of the context menu (Undo, Cut, Copy, Paste, Delete, Select All) are enabled.
struct TEditMenuState {
  bool Undo = false;
  bool Cut = false;
  bool Copy = false;
  bool Paste = false;
  bool Delete = false;
  bool SelectAll = false;
  friend bool operator==(const TEditMenuState&, const TEditMenuState&) = default;
};

// What a key asks of the clipboard, which only the control can reach.
struct TEditKeyResult {
  std::optional<std::u16string> ToClipboard;  // put this text on the clipboard
  bool WantsPaste = false;                    // read the clipboard and PasteFromClipboard it
};

// The single-line edit's text, caret, selection and undo, without any drawing or platform.
// Positions count UTF-16 units, but the caret never stops inside a surrogate pair: moving,
// Backspace and Delete take a character beyond the Basic Multilingual Plane as one.
//
// SelLength is signed: the selection runs from SelAnchor forward when positive and from
// SelAnchor + SelLength when negative, so SelAnchor is the end that moves with Shift+arrows.
class TSeEditModel {
 public:
  // The platform's virtual-key numbers of the keys the edit handles (named apart from the
  // platform header's macros, which would otherwise replace them).
  static constexpr std::uint16_t kKeyBack = 0x08;
  static constexpr std::uint16_t kKeyEnd = 0x23;
  static constexpr std::uint16_t kKeyHome = 0x24;
  static constexpr std::uint16_t kKeyLeft = 0x25;
  static constexpr std::uint16_t kKeyRight = 0x27;
  static constexpr std::uint16_t kKeyInsert = 0x2D;
  static constexpr std::uint16_t kKeyDelete = 0x2E;

  // Case mapping of a whole text; the control installs the platform's (through the ANSI code
  // page). The default maps the ASCII letters and leaves every other unit alone.
  using TCaseMapper = std::u16string (*)(const std::u16string&, TEditCharCase);
  static std::u16string AsciiCaseMapper(const std::u16string& s, TEditCharCase c);

  const std::u16string& Text() const { return text_; }
  // Stores S in the current CharCase; answers whether the stored text changed (the control
  // then fires OnChange). The undo stack is kept.
  bool SetText(const std::u16string& s);

  std::int32_t Length() const { return static_cast<std::int32_t>(text_.size()); }
  std::int32_t CaretPos() const { return caretPos_; }
  std::int32_t SelAnchor() const { return selAnchor_; }
  std::int32_t SelLength() const { return selLength_; }
  std::int32_t SelStart() const;
  std::int32_t SelCount() const { return selLength_ < 0 ? -selLength_ : selLength_; }
  std::u16string SelText() const;
  // Sets the selection from its start and count, caret at its end (as a mouse drag leaves it).
  void Select(std::int32_t start, std::int32_t count);

  TEditCharCase CharCase() const { return charCase_; }
  // A non-empty text is set again in the new case.
  bool SetCharCase(TEditCharCase c);
  void SetCaseMapper(TCaseMapper m) { caseMapper_ = m ? m : &AsciiCaseMapper; }
  std::int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(std::int32_t n) { maxLength_ = n; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v) { readOnly_ = v; }
  TPasswordKind PasswordKind() const { return passwordKind_; }
  void SetPasswordKind(TPasswordKind k) { passwordKind_ = k; }
  char16_t PasswordWideChar() const { return passwordWideChar_; }
  // A non-zero character also makes the kind pkChar.
  void SetPasswordWideChar(char16_t c);

  const TEditActionStack& UndoStack() const { return undo_; }

  // Replaces the selection by S; returns false when MaxLength refused it (the selection is
  // then cleared and nothing else changes).
  bool InsertText(const std::u16string& s);
  void DeleteSelection();
  // The text for the clipboard: nothing under a password kind or without a selection.
  std::optional<std::u16string> CopyToClipboard() const;
  // Copy as above, then delete the selection (also under a password kind).
  std::optional<std::u16string> CutToClipboard();
  void PasteFromClipboard(const std::u16string& clip);
  void SelectAll();
  // Takes back the top record (and those chained below it); false when nothing was undone.
  bool Undo();
  // The word around the caret, caret at its end (a double click).
  void SelectWord();

  TEditKeyResult KeyDown(std::uint16_t key, TEditShiftState shift);
  // A typed UTF-16 unit. A high surrogate waits for its low half so the pair goes in as one
  // character; an unpaired half is dropped.
  void KeyPress(char16_t c);

  // Clamps the caret, keeps it off the inside of a surrogate pair and lets SelAnchor follow
  // it when nothing is selected.
  void PlaceCaret(std::int32_t pos);
  // Moves the caret to POS; EXTEND grows the selection from the old caret as Shift does with
  // the arrow keys, otherwise the selection goes (the mouse's press and drag).
  void MoveCaret(std::int32_t to, bool extend);

  // The context menu's items before it shows; the clipboard's state comes from the control.
  TEditMenuState MenuState(bool clipboardHasText) const;

 private:
  // Deletes start..end, one undo step for the characters that go.
  void DeleteChars(std::int32_t start, std::int32_t end);
  std::int32_t PrevCharPos(std::int32_t pos) const;
  std::int32_t NextCharPos(std::int32_t pos) const;
  std::int32_t PrevWordStart(std::int32_t pos) const;
  std::int32_t NextWordEnd(std::int32_t pos) const;
  void ClearSelection();

  std::u16string text_;
  std::int32_t caretPos_ = 0;
  std::int32_t selAnchor_ = 0;
  std::int32_t selLength_ = 0;
  TEditCharCase charCase_ = TEditCharCase::ecNormal;
  TCaseMapper caseMapper_ = &AsciiCaseMapper;
  std::int32_t maxLength_ = 0;
  bool readOnly_ = false;
  TPasswordKind passwordKind_ = TPasswordKind::pkNone;
  char16_t passwordWideChar_ = 0;
  char16_t pendingHigh_ = 0;
  TEditActionStack undo_;
};
