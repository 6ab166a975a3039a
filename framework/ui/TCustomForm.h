#pragma once

// A top-level window holding controls: caption, border, position, activation, the active
// control and focus bookkeeping (CM_ENTER/CM_EXIT/CM_FOCUSCHANGED), Tab navigation and the
// Default/Cancel keys, closing with OnCloseQuery/OnClose, modal showing, and loading its stored
// definition from the program's resources.

#include <windows.h>

#include <functional>
#include <string>

#include "framework/ui/TIcon.h"
#include "framework/ui/TWinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter, poMainFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;

using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

class TCustomForm : public TWinControl {
  QM_CLASS(TCustomForm, TWinControl)
  // clang-format off
  QM_MESSAGE_TABLE(TCustomForm, TWinControl,
    QM_MESSAGE(WM_ACTIVATE, WMActivate)
    QM_MESSAGE(WM_CLOSE, WMClose)
    QM_MESSAGE(WM_DESTROY, WMDestroy)
    QM_MESSAGE(WM_SETFOCUS, WMFormSetFocus)
    QM_MESSAGE(CM_ACTIVATE, CMActivate)
    QM_MESSAGE(CM_DEACTIVATE, CMDeactivate)
    QM_MESSAGE(CM_DIALOGKEY, CMFormDialogKey)
    QM_MESSAGE(CM_RELEASE, CMRelease)
    QM_MESSAGE(CM_SHOWINGCHANGED, CMFormShowingChanged))
  // clang-format on

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value);
  TIcon& Icon() { return icon_; }
  void IconChanged();

  RECT ClientRect() override;
  void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }

  // Definitions are stored at some pixel density; Loaded rescales to the screen's when Scaled.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }
  void Loaded() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  static void DeclareProperties(TPropertyBuilder<TCustomForm>& p);

  void Show();
  void Close();
  bool CloseQuery();
  int ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool Modal() const { return modal_; }
  // Frees the form once the messages now pending have been handled.
  void Release();
  bool Active() const { return active_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Focus moves: called from a control's WM_SETFOCUS; sends CM_EXIT, CM_ENTER, CM_FOCUSCHANGED.
  void SetFocusedControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  void ControlRemoved(TControl* control);

  // Reads the definition stored as the RCDATA resource named after the class (upper case) into
  // this form; false when there is no such resource.
  bool LoadDefinitionFromResource(const std::wstring& className);

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  int ShowCommand() override;
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoShow();
  virtual void DoHide();

  void WMActivate(TMessage& message);
  void WMClose(TMessage& message);
  void WMDestroy(TMessage& message);
  void WMFormSetFocus(TMessage& message);
  void CMActivate(TMessage& message);
  void CMDeactivate(TMessage& message);
  void CMFormDialogKey(TMessage& message);
  void CMRelease(TMessage& message);
  void CMFormShowingChanged(TMessage& message);

 private:
  void PlaceWindow();
  void FocusFirstControl();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TIcon icon_;
  int pixelsPerInch_ = 96;
  bool scaled_ = true;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool active_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
};
