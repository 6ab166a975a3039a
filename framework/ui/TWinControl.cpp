#include "framework/ui/TWinControl.h"

#include <algorithm>
#include <map>

#include "framework/core/CallbackGuard.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/UnicodeText.h"
#include "framework/ui/MessageParams.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TWindowMap.h"
#include "framework/ui/UiErrors.h"

namespace {

// Each framework window's control, for its window procedure.
TWindowMap<TWinControl*>& WindowControls() {
  static auto* controls = new TWindowMap<TWinControl*>;
  return *controls;
}

// The control whose window is being created: the window procedure attaches the first message's
// window to it, before CreateWindowEx returns.
thread_local TWinControl* creatingControl = nullptr;

// Platform procedures behind the framework's copies of platform classes, by class name.
// Kept for the whole process: windows may still be destroyed while static objects go away.
std::map<std::wstring, WNDPROC>& ClassProcedures() {
  static auto* procedures = new std::map<std::wstring, WNDPROC>;
  return *procedures;
}

WNDPROC ClassDefaultProc(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  const auto found = ClassProcedures().find(name);
  return found == ClassProcedures().end() ? DefWindowProcW : found->second;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = WindowControls().Get(window);
  if (!control && creatingControl) {
    control = std::exchange(creatingControl, nullptr);
    control->handle_ = window;
    WindowControls().Set(window, control);
  }
  if (!control) return CallWindowProcW(ClassDefaultProc(window), window, msg, wParam, lParam);

  // The record lives here, not in the control: a handler may destroy the control.
  TMessage message{msg, wParam, lParam, 0};
  TMessageDispatcher::TLifetimeCheck alive(*control);
  GuardCallback([&] { control->WindowProc(message); });
  if (!alive.Destroyed() && msg == WM_NCDESTROY) control->Detach();
  return message.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::DeclareProperties(TPropertyBuilder<TWinControl>& p) {
  p.Integer(
       "TabOrder", [](const TWinControl& c) { return const_cast<TWinControl&>(c).TabOrder(); },
       [](TWinControl& c, std::int32_t v) { c.SetTabOrder(v); })
      .StoredIf([](const TWinControl& c) { return c.Parent() != nullptr; });
  p.Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  p.Event("OnKeyDown", &TWinControl::OnKeyDown);
  p.Event("OnKeyPress", &TWinControl::OnKeyPress);
  p.Event("OnKeyUp", &TWinControl::OnKeyUp);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TControl* child : controls_)
    if (child->Owner() == root) proc(child);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // A definition may give a control a TabOrder beyond the siblings read before it; now that
  // all of them are here, each takes the place it was given (a place given twice or out of
  // range keeps the reading order).
  std::vector<TWinControl*> placed(tabList_.size(), nullptr);
  for (TWinControl* child : tabList_) {
    const int wanted = child->readTabOrder_;
    child->readTabOrder_ = -1;
    if (wanted >= 0 && wanted < static_cast<int>(placed.size()) && !placed[wanted])
      placed[wanted] = child;
  }
  for (std::size_t i = 0; i < placed.size(); ++i)
    if (placed[i]) placed[i]->SetTabOrder(static_cast<int>(i));
  Realign();
}

TWinControl::~TWinControl() {
  // The derived parts are gone already: the window's last messages go to the platform's
  // default, not to WindowProc (a class that must see them destroys its window in its own
  // destructor). Child windows go with this one; their controls are still whole and see theirs.
  if (handle_) {
    const HWND window = handle_;
    Detach();
    DestroyWindow(window);
  }
  // Leave the parent while this is still a windowed control, so its tab list lets go too.
  if (Parent()) Parent()->RemoveControl(this);
  // Children go next (they take themselves off the owner's list).
  while (!controls_.empty()) delete controls_.back();
}

TWinControl* TWinControl::FindControl(HWND window) {
  return window ? WindowControls().Get(window) : nullptr;
}

void TWinControl::Detach() {
  if (!handle_) return;
  WindowControls().Remove(handle_);
  handle_ = nullptr;
  showing_ = false;
  trackingLeave_ = false;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (Parent()) Parent()->HandleNeeded();
    if (!handle_) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = text_;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (tabStop_) params.Style |= WS_TABSTOP;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent())
    params.WndParent = Parent()->Handle();
  else
    params.WndParent = parentWindow_;
  params.WinClassName = L"QmWinControl";
  params.ClassCursor = LoadCursorW(nullptr, IDC_ARROW);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD))
    throw EInvalidOperation(FormatText(UiMessages::SParentRequired, Name()));

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (!GetClassInfoW(instance, params.WinClassName.c_str(), &existing)) {
    WNDCLASSW wc{};
    WNDPROC platformProc = DefWindowProcW;
    if (!params.SysClassName.empty()) {
      if (!GetClassInfoW(nullptr, params.SysClassName.c_str(), &wc))
        throw EWin32Error(UiMessages::SWindowClass);
      platformProc = wc.lpfnWndProc;
    } else {
      wc.style = params.ClassStyle;
      wc.hCursor = params.ClassCursor;
      wc.hIcon = params.ClassIcon;
      wc.hbrBackground = params.Background;
    }
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassW(&wc)) throw EWin32Error(UiMessages::SWindowClass);
    ClassProcedures()[params.WinClassName] = platformProc;
  }
  defWndProc_ = ClassProcedures()[params.WinClassName];

  {
    SetControlState(ControlState() | csCreating);
    ScopeGuard created([this] { SetControlState(ControlState() & ~csCreating); });
    CreateWindowHandle(params);
  }
  CreateHandle();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  creatingControl = this;
  const HWND window =
      CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                      params.Style, params.X, params.Y, params.Width, params.Height,
                      params.WndParent, nullptr, GetModuleHandleW(nullptr), params.Param);
  creatingControl = nullptr;
  if (!window) RaiseLastOSError();
  if (handle_ != window) {
    // No message arrived during creation (it does for every class we know); attach now.
    handle_ = window;
    WindowControls().Set(window, this);
  }
}

void TWinControl::CreateHandle() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  // Sibling windows are stacked in the order of the child list.
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
  Realign();
  UpdateShowing();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->handle_)
      windowed->DestroyWnd();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  if (!handle_) return;
  const HWND window = handle_;
  Detach();
  DestroyWindow(window);
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  const bool hadFocus = Focused();
  DestroyWnd();
  HandleNeeded();
  if (hadFocus && CanFocus()) SetFocus();
}

void TWinControl::SetParentWindow(HWND window) {
  if (parentWindow_ == window) return;
  parentWindow_ = window;
  if (handle_ && !Parent()) {
    if (window)
      ::SetParent(handle_, window);
    else
      RecreateWnd();
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  // A window cannot move between parents that may live on other threads or be gone; recreate.
  if (handle_ && parent) {
    TControl::SetParent(parent);
    if (parent->HandleAllocated())
      ::SetParent(handle_, parent->Handle());
    else
      DestroyWnd();
    return;
  }
  if (handle_) DestroyWnd();
  TControl::SetParent(parent);
}

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (handle_) windowed->HandleNeeded();
  }
  control->UpdateAnchorRules();
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTCOLORCHANGED);
  if (control->Align() != alNone) Realign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  if (Application) Application->ControlRemoved(control);
  if (auto* form = ParentForm()) form->ControlRemoved(control);
  control->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    if (windowed->handle_) windowed->DestroyWnd();
  }
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(TControl* control) {
  for (TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(control)) continue;
    if (!control->Visible() || (!allowDisabled && !control->Enabled())) continue;
    const RECT bounds = control->BoundsRect();
    if (!PtInRect(&bounds, point)) continue;
    const POINT local{point.x - control->Left(), point.y - control->Top()};
    if (control->Perform(CM_HITTEST, 0, MAKELPARAM(local.x, local.y)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  // A copy: a handler may add or remove children.
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    child->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    message.Result = 0;
    child->WindowProc(message);
  }
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignNeeded_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || Loading()) {
    alignNeeded_ = true;
    return;
  }
  alignNeeded_ = false;
  AlignAll();
}

void TWinControl::AlignAll() {
  RECT rect = ClientRect();
  AdjustClientRect(rect);
  AlignControls(nullptr, rect);
}

void TWinControl::AlignControls(TControl* control, RECT& rect) {
  (void)control;
  SetControlState(ControlState() | csAligning);
  const RECT client = ClientRect();
  // Edges first (top, bottom, left, right), then the client-filling control gets what is left.
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* child : controls_)
      if (child->Align() == align && child->Visible()) list.push_back(child);
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    for (TControl* child : list) {
      const int w = rect.right - rect.left;
      const int h = rect.bottom - rect.top;
      switch (align) {
        case alTop:
          child->SetBounds(rect.left, rect.top, w, child->Height());
          rect.top += child->Height();
          break;
        case alBottom:
          child->SetBounds(rect.left, rect.bottom - child->Height(), w, child->Height());
          rect.bottom -= child->Height();
          break;
        case alLeft:
          child->SetBounds(rect.left, rect.top, child->Width(), h);
          rect.left += child->Width();
          break;
        case alRight:
          child->SetBounds(rect.right - child->Width(), rect.top, child->Width(), h);
          rect.right -= child->Width();
          break;
        default:
          child->SetBounds(rect.left, rect.top, w, h);
          break;
      }
    }
  }
  for (TControl* child : controls_)
    if (child->Align() == alNone &&
        (child->Anchors().Contains(akRight) || child->Anchors().Contains(akBottom)))
      child->AnchorsChanged(client.right - client.left, client.bottom - client.top);
  SetControlState(ControlState() & ~csAligning);
}

int TWinControl::TabOrder() {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  const auto found = std::find(list.begin(), list.end(), this);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  if (ComponentState().Contains(TComponentStateFlag::csReading)) readTabOrder_ = value;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ == value) return;
  tabStop_ = value;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(handle_, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() {
  for (TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return ParentForm() != nullptr || !Parent();
}

bool TWinControl::Focused() {
  return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm(); form && form != this) {
    form->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation(UiMessages::SCannotFocus);
  ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto start = std::find(list.begin(), list.end(), current);
  int index = start == list.end() ? (goForward ? static_cast<int>(list.size()) - 1 : 0)
                                  : static_cast<int>(start - list.begin());
  const int count = static_cast<int>(list.size());
  for (int step = 0; step < count; ++step) {
    index = goForward ? (index + 1) % count : (index + count - 1) % count;
    TWinControl* candidate = list[index];
    if (candidate == current) break;
    if (checkTabStop && !candidate->TabStop()) continue;
    if (checkParent && candidate->Parent() != this && !candidate->CanFocus()) continue;
    if (candidate->CanFocus()) return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
    next->SetFocus();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !(ControlStyle() & csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged() {
  if (handle_ && !(ControlState() & csCreating)) {
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    Realign();
  }
}

void TWinControl::UpdateBounds() {
  RECT rect;
  GetWindowRect(handle_, &rect);
  const HWND parent = GetParent(handle_);
  if ((GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) && parent)
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (rect.left == Left() && rect.top == Top() && width == Width() && height == Height()) return;
  const bool resized = width != Width() || height != Height();
  left_ = rect.left;
  top_ = rect.top;
  width_ = width;
  height_ = height;
  UpdateAnchorRules();
  if (resized) {
    Realign();
    Resize();
  }
}

RECT TWinControl::ClientRect() {
  if (handle_) {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect;
  }
  return TControl::ClientRect();
}

POINT TWinControl::ClientOrigin() {
  if (!handle_) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  return origin;
}

bool TWinControl::Showing() {
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::UpdateShowing() {
  const bool show = Visible() && (!Parent() || Parent()->showing_);
  if (!handle_) return;
  if (show == showing_) return;
  showing_ = show;
  if (Parent() || parentWindow_) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  } else {
    ShowWindow(handle_, show ? ShowCommand() : SW_HIDE);
  }
  Perform(CM_SHOWINGCHANGED);
}

void TWinControl::CMShowingChanged(TMessage&) {
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->UpdateShowing();
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
  DisableAlign();
  // Children first: our own font change then reaches them at their new size, so an auto-sized
  // child measures itself last, with the new font, and is not shrunk again afterwards.
  for (TControl* child : std::vector<TControl*>(controls_)) child->ChangeScale(multiplier, divisor);
  TControl::ChangeScale(multiplier, divisor);
  EnableAlign();
}

std::wstring TWinControl::GetText() {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetTextCore(const std::wstring& value) {
  text_ = value;
  if (handle_) SetWindowTextW(handle_, value.c_str());
}

void TWinControl::ReadWindowText() {
  text_ = GetText();
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) {
    TControl::DefaultHandler(message);
    return;
  }
  message.Result =
      CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    const POINT point = MessageParams::Point(message);
    TControl* target = TControl::CaptureControl();
    if (target && target->Parent() != this) target = nullptr;
    if (!target && !GetCapture()) target = ControlAtPos(point, false);
    if (message.Msg == WM_MOUSEMOVE) TrackMouse(target ? target : this);
    if (target) {
      // A windowless child under the mouse (or holding it) gets the message in its own
      // coordinates.
      TMessage forwarded = message;
      forwarded.LParam = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
      target->WindowProc(forwarded);
      message.Result = forwarded.Result;
      return;
    }
  }
  TControl::WndProc(message);
}

void TWinControl::TrackMouse(TControl* target) {
  if (!trackingLeave_ && handle_) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  if (Application) Application->SetMouseControl(target);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  trackingLeave_ = false;
  TControl* current = Application ? Application->MouseControl() : nullptr;
  if (current &&
      (current == this || (current->Parent() == this && !dynamic_cast<TWinControl*>(current))))
    Application->SetMouseControl(nullptr);
  DefaultHandler(message);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  for (TControl* child : controls_) {
    if (!started) {
      started = child == first;
      if (!started) continue;
    }
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    const RECT bounds = child->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    Handles::SavedDC saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + child->Left(), origin.y + child->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  if (message.WParam) {
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    PaintWindow(dc);
    PaintControls(dc, nullptr);
    return;
  }
  Handles::PaintDC paint(handle_);
  PaintWindow(paint.Get());
  PaintControls(paint.Get(), nullptr);
}

void TWinControl::WMPaint(TMessage& message) {
  if (defWndProc_ != DefWindowProcW) {
    // A platform control paints itself.
    DefaultHandler(message);
    return;
  }
  PaintHandler(message);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!colorBrush_) colorBrush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
  RECT client;
  GetClientRect(handle_, &client);
  FillRect(dc, &client, colorBrush_.Get());
  message.Result = 1;
}

void TWinControl::CMColorChanged(TMessage&) {
  colorBrush_.Reset();
  Invalidate();
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage&) {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMTextChanged(TMessage&) {
  Invalidate();
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = ParentForm()) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message) {
  DefaultHandler(message);
}

void TWinControl::CMEnter(TMessage&) {
  DoEnter();
}
void TWinControl::CMExit(TMessage&) {
  DoExit();
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift) {
  KeyDown(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyUp(WORD& key, TShiftState shift) {
  KeyUp(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(wchar_t& key) {
  KeyPress(key);
  return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::WMKeyDown(TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  if (DoKeyDown(key, KeyboardShiftState())) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  if (DoKeyUp(key, KeyboardShiftState())) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
  wchar_t key = static_cast<wchar_t>(message.WParam);
  if (DoKeyPress(key)) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::CMDialogKey(TMessage& message) {
  Broadcast(message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (handle_) UpdateShowing();
}

void TWinControl::CMFocusChanged(TMessage& message) {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    TMessage copy = message;
    child->WindowProc(copy);
  }
}

void TWinControl::CNKeyDown(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  bool special = false;
  UINT wanted = 0;
  switch (key) {
    case VK_TAB:
      wanted = DLGC_WANTTAB;
      special = true;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
      wanted = DLGC_WANTALLKEYS;
      special = true;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      wanted = DLGC_WANTARROWS;
      special = true;
      break;
    default:
      break;
  }
  if (!special) return;
  if (Perform(CM_WANTSPECIALKEY, key, message.LParam) != 0) return;
  // Asked with the key, as the platform's dialogs ask: a control that wants every key
  // (DLGC_WANTALLKEYS, the same bit as DLGC_WANTMESSAGE) answers for that key, so a multi-line
  // edit can keep Enter and still leave Escape and Tab to the dialog.
  if (Perform(WM_GETDLGCODE, key) & (wanted | DLGC_WANTALLKEYS)) return;
  if (TCustomForm* form = ParentForm())
    message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam);
}

void TWinControl::CNChar(TMessage& message) {
  if (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) return;
  if (TCustomForm* form = ParentForm())
    message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
}

void TWinControl::CMDialogChar(TMessage& message) {
  Broadcast(message);
}

void TWinControl::WMSize(TMessage& message) {
  DefaultHandler(message);
  if (handle_) UpdateBounds();
  Realign();
}

void TWinControl::WMMove(TMessage& message) {
  DefaultHandler(message);
  if (handle_) UpdateBounds();
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
    POINT point;
    GetCursorPos(&point);
    ::ScreenToClient(handle_, &point);
    TControl* control = ControlAtPos(point, false);
    const TCursor cursor = control && control->Cursor() != crDefault ? control->Cursor() : Cursor();
    if (cursor != crDefault) {
      const wchar_t* id = cursor == crHandPoint ? IDC_HAND
                          : cursor == crIBeam   ? IDC_IBEAM
                                                : IDC_ARROW;
      ::SetCursor(LoadCursorW(nullptr, id));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMCommand(TMessage& message) {
  // A platform child's notification goes back to the child as CN_COMMAND.
  if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child) {
    message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header) {
    if (TWinControl* child = FindControl(header->hwndFrom); child) {
      message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message) {
  if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child) {
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    if (message.Result) return;
  }
  DefaultHandler(message);
}
