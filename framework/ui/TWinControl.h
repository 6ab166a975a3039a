#pragma once

// A control with its own window: child controls, alignment of children, window creation from
// CreateParams, focus, keyboard and dialog navigation. Every window of the framework has a
// class registered by the framework whose procedure hands messages to the control's WindowProc;
// a control built on a platform control (edit, button) registers a copy of the platform class
// and keeps the platform procedure as its default handler.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/ui/TControl.h"

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  UINT ClassStyle = CS_DBLCLKS;
  HBRUSH Background = nullptr;
  HCURSOR ClassCursor = nullptr;
  HICON ClassIcon = nullptr;
  std::wstring WinClassName;
  // A platform class to build on ("EDIT", "BUTTON"); empty for a plain framework window.
  std::wstring SysClassName;
};

using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, wchar_t&>;

class TWinControl : public TControl {
  QM_CLASS(TWinControl, TControl)
  // clang-format off
  QM_MESSAGE_TABLE(TWinControl, TControl,
    QM_MESSAGE(WM_PAINT, WMPaint)
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    QM_MESSAGE(WM_SETFOCUS, WMSetFocus)
    QM_MESSAGE(WM_KILLFOCUS, WMKillFocus)
    QM_MESSAGE(WM_KEYDOWN, WMKeyDown)
    QM_MESSAGE(WM_SYSKEYDOWN, WMKeyDown)
    QM_MESSAGE(WM_KEYUP, WMKeyUp)
    QM_MESSAGE(WM_SYSKEYUP, WMKeyUp)
    QM_MESSAGE(WM_CHAR, WMChar)
    QM_MESSAGE(WM_SIZE, WMSize)
    QM_MESSAGE(WM_MOVE, WMMove)
    QM_MESSAGE(WM_SETCURSOR, WMSetCursor)
    QM_MESSAGE(WM_COMMAND, WMCommand)
    QM_MESSAGE(WM_NOTIFY, WMNotify)
    QM_MESSAGE(WM_CTLCOLOREDIT, WMCtlColor)
    QM_MESSAGE(WM_CTLCOLORSTATIC, WMCtlColor)
    QM_MESSAGE(WM_CTLCOLORBTN, WMCtlColor)
    QM_MESSAGE(WM_MOUSELEAVE, WMMouseLeave)
    QM_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    QM_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    QM_MESSAGE(CM_ENTER, CMEnter)
    QM_MESSAGE(CM_EXIT, CMExit)
    QM_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    QM_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
    QM_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
    QM_MESSAGE(CM_FONTCHANGED, CMFontChanged)
    QM_MESSAGE(CM_COLORCHANGED, CMColorChanged)
    QM_MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged)
    QM_MESSAGE(CM_FOCUSCHANGED, CMFocusChanged)
    QM_MESSAGE(CN_KEYDOWN, CNKeyDown)
    QM_MESSAGE(CN_CHAR, CNChar))
  // clang-format on

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first use (with every parent's window before it).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys and creates the window again, keeping text, children and position: for style
  // changes that the platform takes only at creation.
  void RecreateWnd();
  // A parent window outside the framework (a dialog or another program's window).
  void SetParentWindow(HWND window);
  HWND ParentWindow() const { return parentWindow_; }
  static TWinControl* FindControl(HWND window);

  // Children, in Z order (first is bottom-most).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control);
  // The child (windowless ones included) under a client point.
  TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls = false);
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);

  // Alignment of children.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  void AlignControls(TControl* control, RECT& rect);
  virtual void AdjustClientRect(RECT& rect) { (void)rect; }

  // Focus and tab order.
  int TabOrder();
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  virtual bool CanFocus();
  bool Focused();
  virtual void SetFocus();
  // The window-owning children in tab order.
  std::vector<TWinControl*> TabList() const { return tabList_; }
  // The next control in tab order after current (wrapping), for Tab and Shift+Tab.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  void GetTabOrderList(std::vector<TWinControl*>& list);

  void Invalidate() override;
  void Update() override;
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() override;
  POINT ClientOrigin() override;
  bool Showing() override;
  void ChangeScale(int multiplier, int divisor) override;
  void SetParent(TWinControl* parent) override;

  // Painting: windowless children are painted after the window's own paint.
  void PaintControls(HDC dc, TControl* first);
  void PaintHandler(TMessage& message);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;
  static void DeclareProperties(TPropertyBuilder<TWinControl>& p);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // The window exists: children's windows get created here.
  virtual void CreateHandle();
  virtual void PaintWindow(HDC dc);
  virtual bool DoKeyDown(WORD& key, TShiftState shift);
  virtual bool DoKeyUp(WORD& key, TShiftState shift);
  virtual bool DoKeyPress(wchar_t& key);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  virtual void DoEnter();
  virtual void DoExit();
  std::wstring GetText() override;
  void SetTextCore(const std::wstring& value) override;
  void BoundsChanged() override;
  void UpdateShowing();
  // How a top-level window is shown.
  virtual int ShowCommand() { return SW_SHOWNORMAL; }
  void UpdateBounds();
  void ReadWindowText();

  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMKeyUp(TMessage& message);
  void WMChar(TMessage& message);
  void WMSize(TMessage& message);
  void WMMove(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMCommand(TMessage& message);
  void WMNotify(TMessage& message);
  void WMCtlColor(TMessage& message);
  void WMMouseLeave(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMShowingChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMFocusChanged(TMessage& message);
  // Keys before they are translated: Tab, Enter, Escape and accelerators that the focused
  // control does not want become dialog keys and characters of its form.
  void CNKeyDown(TMessage& message);
  void CNChar(TMessage& message);

  // The platform procedure behind a control built on a platform class.
  WNDPROC DefWndProc() const { return defWndProc_; }

 private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);

  void Detach();
  void AlignAll();
  void ForwardMouse(TMessage& message);
  void TrackMouse(TControl* target);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  // The TabOrder a definition gave while it was read, until the parent's Loaded places it.
  int readTabOrder_ = -1;
  bool tabStop_ = false;
  bool showing_ = false;
  int alignDisabled_ = 0;
  bool alignNeeded_ = false;
  bool trackingLeave_ = false;
  Handles::Brush colorBrush_;
};
