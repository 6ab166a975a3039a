#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/TEvent.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"
#include "framework/ui/TSizeConstraints.h"
#include "skin/SkinMessages.h"
#include "skin/forms/SkinFormTypes.h"
#include "skin/forms/TSeAnimation.h"
#include "skin/forms/TSeBlending.h"
#include "skin/forms/TSeDragging.h"
#include "skin/forms/TSeFrameDrag.h"
#include "skin/forms/TSeFrameGeometry.h"
#include "skin/forms/TSeGravitation.h"
#include "skin/forms/TSePopupMenuOptions.h"
#include "skin/forms/TSeShadow.h"
#include "skin/forms/TSeWindowStateHost.h"
#include "skin/forms/TSeWindowStates.h"
#include "skin/forms/win/TSeFrameCache.h"
#include "skin/forms/win/TSeHook.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeSkinFormActions.h"

class TApplication;
class TCustomForm;
class TSeBitmap;
class TSeSkinObject;
class TSeTrayIcon;

// How frame and client background painting are buffered: straight to the window (the
// caption band still built off-screen), one bitmap shared by every window, one bitmap per
// window kept between paints, or a bitmap per paint.
enum class TSeFormPerformance : std::uint8_t {
  ksfpNoBuffer,
  ksfpSharedBuffer,
  ksfpPersistentBuffer,
  ksfpDoubleBuffer
};
const TEnumInfo& SeFormPerformanceInfo();

// Sender, and CallDefault: starts true, false cancels the action.
using TSeFormActionEvent = TEvent<TObject*, bool&>;

// The frame of a top-level window, drawn by the program: a hook on its owner window that
// answers the non-client messages itself, moves and sizes the window, and keeps the window's
// states (normal, maximized, minimized, rolled up, in the tray) in its own hands.
//
// Mechanism apart from policy: the virtual questions below (client rectangle, region, zones,
// caption buttons, the states' rectangles, painting) are answered here from the system's
// metrics (the plain frame, TSePlainFrame) and by TSeSkinForm from the skin's Form tree; the
// message handling never asks which frame it is.
//
// Before the window (BeforeMessage), in this order; "handled" means the window never sees it:
//   WM_NCCALCSIZE          insets from GetFrameClientRect                   handled
//   WM_NCPAINT             PaintNonClient                                   handled
//   WM_NCACTIVATE          active flag, PaintNonClient; the first one
//                          chains the application's minimize and restore    handled
//   WM_NCHITTEST           the zone's answer                                handled
//   WM_NCLBUTTONDOWN/UP/DBLCLK, WM_NCMOUSEMOVE, WM_NCRBUTTONDOWN/UP
//                          FrameMouseDown/Move/Up                           handled
//   WM_MOUSEMOVE, WM_LBUTTONUP   a drag that left the frame                 not handled
//   WM_ACTIVATE            minimized while inactive: DoMinimize             not handled
//   WM_PAINT               the window's client paint in Begin/EndPaint      handled
//   WM_ERASEBKGND          the client background                            handled
//   WM_WINDOWPOSCHANGING   size bookkeeping                                 handled
//   WM_SYSCOMMAND          Alt+Space and the mouse menu: ShowSystemMenu      handled for those
//   WM_THEMECHANGED        system metrics read again                        handled
//   SE_RESTORECAPTION      caption style back (wParam 13), PaintNonClient   handled
//   SE_APPLYSTATE          the loaded state                                 handled
//   SE_PAINTFRAME          frame and background on the DC in lParam         handled
// After the window (AfterMessage):
//   WM_GETTEXT             the text changed behind our back: take it as Caption, hide the
//                          caption style and post SE_RESTORECAPTION 13
//   WM_SYSCOMMAND          SC_CONTEXTHELP: PaintNonClient
class TSeCustomForm : public TSeHook, public TSeWindowStateHost, public TSeSkinFormActions {
  QM_CLASS(TSeCustomForm, TSeHook)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomForm, TSeHook,
    QM_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
    QM_MESSAGE(WM_NCPAINT, WMNCPaint)
    QM_MESSAGE(WM_NCACTIVATE, WMNCActivate)
    QM_MESSAGE(WM_NCHITTEST, WMNCHitTest)
    QM_MESSAGE(WM_NCLBUTTONDOWN, WMNCLButtonDown)
    QM_MESSAGE(WM_NCLBUTTONDBLCLK, WMNCLButtonDblClk)
    QM_MESSAGE(WM_NCLBUTTONUP, WMNCLButtonUp)
    QM_MESSAGE(WM_NCMOUSEMOVE, WMNCMouseMove)
    QM_MESSAGE(WM_NCRBUTTONDOWN, WMNCRButtonDown)
    QM_MESSAGE(WM_NCRBUTTONUP, WMNCRButtonUp)
    QM_MESSAGE(WM_MOUSEMOVE, WMMouseMove)
    QM_MESSAGE(WM_LBUTTONUP, WMLButtonUp)
    QM_MESSAGE(WM_ACTIVATE, WMActivate)
    QM_MESSAGE(WM_PAINT, WMPaint)
    QM_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    QM_MESSAGE(WM_WINDOWPOSCHANGING, WMWindowPosChanging)
    QM_MESSAGE(WM_SYSCOMMAND, WMSysCommand)
    QM_MESSAGE(WM_THEMECHANGED, WMThemeChanged)
    QM_MESSAGE(SE_RESTORECAPTION, SERestoreCaption)
    QM_MESSAGE(SE_APPLYSTATE, SEApplyState)
    QM_MESSAGE(SE_PAINTFRAME, SEPaintFrame))
  // clang-format on

 public:
  explicit TSeCustomForm(TComponent* owner);
  ~TSeCustomForm() override;

  // Paints the client background into dc, whose origin is the window's client origin: the
  // whole client area when request is none or its flag is 1, else the request's rectangle.
  // Transparent controls ask for what lies under them this way (or send WM_ERASEBKGND with a
  // TSeBackgroundRequest in lParam to the window).
  void EraseBackground(HDC dc, const TSeBackgroundRequest* request);

  // Properties.
  TSeBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TSeBorderIcons value);
  TSeBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TSeBorderStyle value);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  TSeFormPerformance Performance() const { return performance_; }
  void SetPerformance(TSeFormPerformance value) { performance_ = value; }
  TSeWindowState WindowState() const;
  void SetWindowState(TSeWindowState value);
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool value);
  bool MinimizeApplication() const { return minimizeApplication_; }
  void SetMinimizeApplication(bool value);
  bool StretchBackground() const { return stretchBackground_; }
  void SetStretchBackground(bool value) { stretchBackground_ = value; }
  TSizeConstraints& Constraints() { return constraints_; }
  void SetConstraints(const TSizeConstraints& value);
  TSeDragging& Dragging() { return dragging_; }
  TSeGravitation& Gravitation() { return gravitation_; }
  TSeBlending& Blending() { return blending_; }
  TSeShadow& Shadow() { return shadow_; }
  TSeAnimation& Animation() { return animation_; }
  TSePopupMenuOptions& SystemMenuOptions() { return systemMenuOptions_; }
  TSePopupMenuOptions& TrayMenuOptions() { return trayMenuOptions_; }
  // The notification-area icon while the window is in the tray (made at the first use).
  const TSeTrayIcon* TrayIcon() const { return tray_.get(); }

  TNotifyEvent OnPaint;
  TNotifyEvent OnResize;
  TNotifyEvent OnCreate;
  TSeFormActionEvent OnClose;
  TSeFormActionEvent OnMinimize;
  TSeFormActionEvent OnMaximize;
  TSeFormActionEvent OnRollup;
  TSeFormActionEvent OnMinToTray;

  // The window is the active one (as WM_NCACTIVATE last said).
  bool WindowActive() const { return windowActive_; }
  TSize FullSize() const { return geometry_.FullSize(); }
  TSize FrameSize() const { return geometry_.FrameSize(); }
  TSeFrameZone HotZone() const { return hotZone_; }
  TSeFrameZone DownZone() const { return downZone_; }

  void PaintNonClient();
  void UpdateFrame();
  void UpdateFrameRegion();
  // Gives the window its frame region now.
  void ApplyFrameRegion();
  void CaptureBackground(const TRect& window);
  // Screen point to window coordinates.
  TPoint ScreenToWindow(POINT screen) const;

  // The window actions (TSeSkinFormActions): caption buttons, the system menu and the keyboard.
  bool HasBorderIcon(TSeBorderIcon icon) const override { return borderIcons_.Contains(icon); }
  void DoClose() override;
  void DoHelp() override;
  void DoMinimize() override;
  void DoMaximize() override;
  void DoRestore() override;
  void DoRollup() override;
  void DoMinimizeToTray() override;
  void ShowSystemMenu() override;
  void CustomAction(TSeSkinObject*) override {}
  void ProcessMessages() override;

  // The questions the frame answers (plain here; TSeSkinForm answers from the skin).
  virtual Handles::Region CreateFrameRegion();
  virtual TRect GetCaptionButtonRect(TSeBorderIcon icon);
  virtual TRect GetFrameClientRect();
  virtual TRect GetRollupRect();
  virtual TRect GetMinimizedRect();
  virtual TRect GetMaximizedRect();
  virtual TSize GetMaxTrackSize();
  virtual TSize GetMinTrackSize();
  virtual TSeFrameZone GetFrameZone(std::int32_t x, std::int32_t y);
  virtual void FrameMouseDown(TSeMouseButton button, TShiftState shift, std::int32_t x,
                              std::int32_t y);
  virtual void FrameMouseMove(TShiftState shift, std::int32_t x, std::int32_t y);
  virtual void FrameMouseUp(TSeMouseButton button, TShiftState shift, std::int32_t x,
                            std::int32_t y);

  void Loaded() override;

 protected:
  // Draws the frame (everything outside the client rectangle) with its origin at the
  // window's top-left corner.
  virtual void PaintFrame(HDC dc);
  // Fills the client rectangle, in window coordinates, with the window's colour.
  virtual void PaintClientBackground(HDC dc);
  // True while a skin decides; the plain frame's metrics are skipped then.
  virtual bool Skinned() const { return false; }
  TCustomForm* OwnerForm() const;
  TRect WindowRect() const;
  void SetBoundsAndPaint(const TRect& bounds);
  void InvalidateWindow();
  // Plays Animation over the screen when the window shows (nothing unless enabled).
  virtual void PlayShowAnimation();
  // The skin object the system and tray menus are painted from; none: the platform's menu.
  virtual const TSeSkinObject* PopupMenuObject() const { return nullptr; }
  // True when the frame's pixels follow from FrameLook() and from what InvalidateFrameCache()
  // is told alone, so its painted bands can be kept (the skinned frame). The plain frame
  // follows system colours and themes besides, and is painted afresh every time.
  virtual bool CachesFrame() const { return false; }
  void InvalidateFrameCache() { frameCache_.Invalidate(); }
  // The icon the caption shows: the window's own, else the application's.
  HICON WindowIcon() const;

  // TSeWindowStateHost.
  TRect WindowBounds() const override;
  void SetWindowBounds(const TRect& bounds) override;
  TRect MaximizedRect() const override;
  TRect MinimizedRect() const override;
  TRect RollupRect() const override;
  bool CallDefault(TSeWindowState target) override;
  bool IsModal() const override;
  void MinimizeApplication() override;
  void HideToTray() override;
  void ShowFromTray() override;

  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  void WMNCActivate(TMessage& message);
  void WMNCHitTest(TMessage& message);
  void WMNCLButtonDown(TMessage& message);
  void WMNCLButtonDblClk(TMessage& message);
  void WMNCLButtonUp(TMessage& message);
  void WMNCMouseMove(TMessage& message);
  void WMNCRButtonDown(TMessage& message);
  void WMNCRButtonUp(TMessage& message);
  void WMMouseMove(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMActivate(TMessage& message);
  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMWindowPosChanging(TMessage& message);
  void WMSysCommand(TMessage& message);
  void WMThemeChanged(TMessage& message);
  void SERestoreCaption(TMessage& message);
  void SEApplyState(TMessage& message);
  void SEPaintFrame(TMessage& message);
  void AfterMessage(TMessage& message, bool& handled) override;

  bool paintingEnabled_ = true;
  bool renderingActive_ = false;

 private:
  enum class TFrameMouseStep : std::uint8_t { Down, Up, DoubleClick, Move };
  // What every WM_NC* button and move message shares; the handlers above only name theirs.
  void FrameMouseMessage(TMessage& message, TFrameMouseStep step, TSeMouseButton button);
  void PaintPlainCaption(HDC dc, const TRect& client);
  // The surface the frame is painted on and its bands copied from.
  void PaintThroughSurface(HDC windowDC, bool frame, const RECT* clientPart);
  void DrawShadow(HDC dc, const TRect& client);
  void DrawOutline(const TRect& rect);
  // The window as it will look (frame, client background, child windows) with the pixels
  // outside its region in the key colour.
  void RenderWindowImage(TSeBitmap& image);
  void ChainApplication();
  void UnchainApplication();
  void ApplicationMinimize(TApplication* sender);
  void ApplicationRestore(TApplication* sender);
  // Runs the window's pending paints so a live drag and a state change show at once.
  void ProcessPaintMessages();
  TSeDragRules DragRules();
  TSeFrameMetrics Metrics() const;
  TSeFrameLook FrameLook(const TRect& client);
  void OptionsChanged();

  TSeFormPerformance performance_ = TSeFormPerformance::ksfpNoBuffer;
  TSeBorderStyle borderStyle_ = TSeBorderStyle::kbsStandard;
  TSeBorderIcons borderIcons_{TSeBorderIcon::kbiClose,    TSeBorderIcon::kbiSystemMenu,
                              TSeBorderIcon::kbiMinimize, TSeBorderIcon::kbiMaximize,
                              TSeBorderIcon::kbiRollup,   TSeBorderIcon::kbiTray};
  std::wstring caption_;
  std::wstring cachedCaption_;
  bool stayOnTop_ = false;
  bool minimizeApplication_ = true;
  bool stretchBackground_ = false;
  TSizeConstraints constraints_;
  TSeDragging dragging_;
  TSeGravitation gravitation_;
  TSeBlending blending_;
  TSeShadow shadow_;
  TSeAnimation animation_;
  TSePopupMenuOptions systemMenuOptions_;
  TSePopupMenuOptions trayMenuOptions_;
  std::unique_ptr<TSeTrayIcon> tray_;

  TSeFrameGeometry geometry_;
  TSeWindowStates states_{*this};
  TSeWindowState pendingState_ = TSeWindowState::kwsNormal;
  bool statePending_ = false;
  bool windowActive_ = false;
  bool inUpdateFrame_ = false;
  // The region a hidden window waits to be given when it shows.
  bool regionPending_ = false;
  bool applicationChained_ = false;
  bool inApplicationHandler_ = false;
  bool restoredFromMaximized_ = false;

  TSeFrameDrag drag_;
  TSeFrameZone downZone_ = TSeFrameZone::kfzNone;
  TSeFrameZone hotZone_ = TSeFrameZone::kfzNone;
  TShiftState tracked_;
  TRect outline_;
  bool outlineMode_ = false;
  POINT systemMenuAt_{0, 0};

  TSeFrameCache frameCache_;
  Handles::Bitmap persistent_;
  TSize persistentSize_;
  Handles::Bitmap background_;
  TRect captured_;
  Handles::Icon smallIcon_;
  std::function<void(TApplication*)> savedMinimize_;
  std::function<void(TApplication*)> savedRestore_;
};
