#pragma once

// A single-line text box drawn and edited by the library itself, not the platform's edit: wide
// text, caret, selection by mouse and keys, an undo stack, the clipboard, the input method and
// five ways of masking a password. Text, selection and undo are TSeEditModel's, where the text
// stands on screen is TSeEditView's; this class joins them to the window.

#include <windows.h>

#include <memory>

#include "framework/ui/TPopupMenu.h"
#include "skin/controls/win/TSeCustomControl.h"
#include "skin/controls/TSeEditModel.h"
#include "skin/controls/TSeEditView.h"

const TEnumInfo& EditCharCaseInfo();
const TEnumInfo& PasswordKindInfo();
const TEnumInfo& EditAlignmentInfo();

enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};
const TEnumInfo& ImeModeInfo();

class TSeCustomEdit : public TSeCustomControl {
  QM_CLASS(TSeCustomEdit, TSeCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomEdit, TSeCustomControl,
    QM_MESSAGE(WM_CUT, WMCut)
    QM_MESSAGE(WM_COPY, WMCopy)
    QM_MESSAGE(WM_PASTE, WMPaste)
    QM_MESSAGE(WM_UNDO, WMUndo)
    QM_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
    QM_MESSAGE(WM_CONTEXTMENU, WMContextMenu)
    QM_MESSAGE(WM_IME_STARTCOMPOSITION, WMImeStartComposition)
    QM_MESSAGE(WM_IME_COMPOSITION, WMImeComposition)
    QM_MESSAGE(WM_SETFOCUS, WMSetFocus)
    QM_MESSAGE(WM_KILLFOCUS, WMKillFocus)
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_FONTCHANGED, CMFontChanged))
  // clang-format on

 public:
  explicit TSeCustomEdit(TComponent* owner);
  ~TSeCustomEdit() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomEdit>& p);

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TEditCharCase CharCase() const { return model_.CharCase(); }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  std::int32_t MaxLength() const { return model_.MaxLength(); }
  void SetMaxLength(std::int32_t value) { model_.SetMaxLength(value); }
  TPasswordKind PasswordKind() const { return model_.PasswordKind(); }
  void SetPasswordKind(TPasswordKind value);
  std::int32_t PasswordWideChar() const { return model_.PasswordWideChar(); }
  void SetPasswordWideChar(std::int32_t value);
  bool ReadOnly() const { return model_.ReadOnly(); }
  void SetReadOnly(bool value) { model_.SetReadOnly(value); }
  TEditAlignment TextAlignment() const { return view_.Alignment; }
  void SetTextAlignment(TEditAlignment value);
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode value) { imeMode_ = value; }
  const std::u16string& ImeName() const { return imeName_; }
  void SetImeName(const std::u16string& value) { imeName_ = value; }

  // Run-time state.
  std::int32_t CaretPos() const { return model_.CaretPos(); }
  std::int32_t SelStart() const { return model_.SelStart(); }
  std::int32_t SelLength() const { return model_.SelCount(); }
  std::int32_t FirstVisible() const { return view_.FirstVisible; }
  const TEditActionStack& UndoStack() const { return model_.UndoStack(); }
  // The context menu, once it has been asked for.
  TPopupMenu* ContextMenu() const { return menu_.get(); }

  void InsertText(const std::wstring& text);
  void DeleteSelection();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void SelectAll();
  bool Undo();

  TNotifyEvent OnChange;

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintClient() override;
  void BorderChanged() override;
  // The rectangle of the text line: the content rectangle one "Pq" high.
  RECT TextRect();
  // Fills the area behind the text; the skinned edit paints its frame there instead.
  virtual void PaintTextBackground(const RECT& area);
  // Called whenever the stored text changed.
  virtual void Change();
  // Prepares the context menu before it shows (the skinned edit binds it to its engine).
  virtual void ContextMenuCreated(TPopupMenu& menu) { (void)menu; }
  TSeEditModel& Model() { return model_; }

  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(wchar_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  std::wstring GetText() override;
  void SetTextCore(const std::wstring& value) override;

 private:
  void WMCut(TMessage& message);
  void WMCopy(TMessage& message);
  void WMPaste(TMessage& message);
  void WMUndo(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMImeStartComposition(TMessage& message);
  void WMImeComposition(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

  // After every edit: store what changed, fire OnChange, place the caret.
  void Edited(const std::u16string& before);
  // Keeps the caret in view, moves the platform caret there and repaints.
  void PlaceCaret();
  void UpdateView();
  int TextHeight();
  std::int32_t Measure(std::u16string_view text);
  void AdjustHeight();
  void CreateCaretNow();
  void DrawMaskedCells(HDC dc, const RECT& clip, TColor color);
  void PutOnClipboard(const std::optional<std::u16string>& text);
  void BuildContextMenu();
  bool HasFocus();

  TSeEditModel model_;
  TSeEditView view_;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  bool hideSelection_ = true;
  bool selecting_ = false;
  TImeMode imeMode_ = imDontCare;
  std::u16string imeName_;
  std::unique_ptr<TPopupMenu> menu_;
};
