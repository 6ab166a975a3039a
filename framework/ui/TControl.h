#pragma once

// The root of every visible component. A control has a parent, bounds in the parent's client
// area, alignment, visibility, a font and colour that can follow the parent's, mouse events and
// a message entry point: Perform sends a message through WindowProc (replaceable, so a hook can
// put itself in front), whose default, WndProc, dispatches it through the class's message
// tables and then to DefaultHandler.

#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/Color.h"
#include "framework/core/Cursor.h"
#include "framework/core/TComponent.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TEvent.h"
#include "framework/core/TFont.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TSet.h"
#include "framework/core/TShiftState.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"
#include "framework/ui/TSizeConstraints.h"

class TWinControl;
class TPopupMenu;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
const TEnumInfo& AlignInfo();

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
const TEnumInfo& AnchorKindInfo();

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
const TEnumInfo& BiDiModeInfo();
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// What a control class is (set once in its constructor).
using TControlStyle = unsigned;
inline constexpr TControlStyle csAcceptsControls = 1u << 0;
inline constexpr TControlStyle csCaptureMouse = 1u << 1;
inline constexpr TControlStyle csClickEvents = 1u << 2;
inline constexpr TControlStyle csSetCaption = 1u << 3;
inline constexpr TControlStyle csOpaque = 1u << 4;
inline constexpr TControlStyle csDoubleClicks = 1u << 5;

// What a control is doing now.
using TControlState = unsigned;
inline constexpr TControlState csLButtonDown = 1u << 0;
inline constexpr TControlState csClicked = 1u << 1;
inline constexpr TControlState csFocusing = 1u << 2;
inline constexpr TControlState csCreating = 1u << 3;
inline constexpr TControlState csAligning = 1u << 4;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TWndMethod = std::function<void(TMessage& message)>;

class TControl : public TComponent, public TMessageDispatcher {
  QM_CLASS(TControl, TComponent)
  // clang-format off
  QM_MESSAGE_TABLE(TControl, TMessageDispatcher,
    QM_MESSAGE(WM_LBUTTONDOWN, WMLButtonDown)
    QM_MESSAGE(WM_LBUTTONUP, WMLButtonUp)
    QM_MESSAGE(WM_LBUTTONDBLCLK, WMLButtonDblClk)
    QM_MESSAGE(WM_RBUTTONDOWN, WMRButtonDown)
    QM_MESSAGE(WM_RBUTTONUP, WMRButtonUp)
    QM_MESSAGE(WM_MOUSEMOVE, WMMouseMove)
    QM_MESSAGE(WM_CANCELMODE, WMCancelMode)
    QM_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    QM_MESSAGE(CM_PARENTFONTCHANGED, CMParentFontChanged)
    QM_MESSAGE(CM_PARENTCOLORCHANGED, CMParentColorChanged)
    QM_MESSAGE(CM_HITTEST, CMHitTest))
  // clang-format on

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Message entry.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Hooks save the current method and install their own, calling the saved one to go on.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message) override;

  // Tree and geometry.
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect();
  int ClientWidth() {
    const RECT r = ClientRect();
    return r.right - r.left;
  }
  int ClientHeight() {
    const RECT r = ClientRect();
    return r.bottom - r.top;
  }
  virtual void SetClientSize(int width, int height);
  // Origin of the client area in screen coordinates.
  virtual POINT ClientOrigin();
  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value);
  TSizeConstraints& Constraints() { return constraints_; }
  // Applies changed constraints to the current size.
  void ConstraintsChanged();

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a window that is on screen.
  virtual bool Showing();
  virtual bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  TFont& Font() { return font_; }
  void SetFont(const TFont& value) { font_.Assign(&value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  // The platform font for Font, created on first use and after every change.
  HFONT FontHandle();
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* value);

  // Caption and Text are the same string; windowed controls keep it in their window.
  std::wstring Text() { return GetText(); }
  void SetText(const std::wstring& value);
  std::wstring Caption() { return GetText(); }
  void SetCaption(const std::wstring& value) { SetText(value); }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
  TControlState ControlState() const { return controlState_; }
  bool MouseCapture();
  void SetMouseCapture(bool value);
  // The windowless control that holds the mouse, if any.
  static TControl* CaptureControl();

  // Painting.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // Rescales position, size and font by multiplier / divisor (definition stored at another
  // pixel density than the screen's).
  void ScaleBy(int multiplier, int divisor);
  virtual void ChangeScale(int multiplier, int divisor);

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

  virtual void Click();

  void Notification(TComponent* component, TOperation operation) override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void Loaded() override;
  bool Loading() const { return ComponentState().Contains(TComponentStateFlag::csLoading); }

  static void DeclareProperties(TPropertyBuilder<TControl>& p);

 protected:
  virtual std::wstring GetText() { return text_; }
  virtual void SetTextCore(const std::wstring& value) { text_ = value; }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void Resize();
  // A position or size change has happened; windowed controls move their window here.
  virtual void BoundsChanged() {}
  virtual void VisibleChanging() {}
  void RequestAlign();
  void SetControlState(TControlState value) { controlState_ = value; }
  // The anchor distances to the parent's right and bottom edges, kept when the parent resizes.
  void UpdateAnchorRules();
  void AnchorsChanged(int parentWidth, int parentHeight);
  void FontChanged();
  TCustomForm* ParentForm();
  HWND ParentWindowHandle();

 private:
  friend class TWinControl;
  friend class TApplication;

  // Message handlers.
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void WMRButtonDown(TMessage& message);
  void WMRButtonUp(TMessage& message);
  void WMMouseMove(TMessage& message);
  void WMCancelMode(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMHitTest(TMessage& message);

  void DoMouseDown(TMessage& message, TMouseButton button);
  void DoMouseUp(TMessage& message, TMouseButton button);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  int anchorRight_ = 0;   // distance from the right edge to the parent's right edge
  int anchorBottom_ = 0;  // distance from the bottom edge to the parent's bottom edge
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  Handles::Font fontHandle_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TCursor cursor_ = crDefault;
  std::wstring hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  std::wstring text_;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState controlState_ = 0;
};

// Mouse helpers shared by the controls.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyboardShiftState();
