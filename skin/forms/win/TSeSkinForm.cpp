#include "skin/forms/win/TSeSkinForm.h"

#include <functional>

#include "framework/core/ScopeGuard.h"
#include "framework/core/TClassRegistry.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TTimer.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/TSeSkinFrame.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeLinkSkinObject.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/win/RegionHandle.h"
#include "skin/objects/win/TSeGdiCanvas.h"
#include "skin/store/TSeSkinSource.h"

namespace {

using W = TSeWindowState;

const TEnumInfo& BorderIconInfo() {
  static const TEnumInfo info{"TSeBorderIcon",
                              {"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp",
                               "kbiRollup", "kbiTray"}};
  return info;
}
const TEnumInfo& BorderStyleInfo() {
  static const TEnumInfo info{"TSeBorderStyle", {"kbsNone", "kbsStandard", "kbsToolWindow"}};
  return info;
}
const TEnumInfo& WindowStateInfo() {
  static const TEnumInfo info{
      "TSeWindowState", {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"}};
  return info;
}

TSeObjectState ObjectState(W state) {
  switch (state) {
    case W::kwsMaximized:
      return TSeObjectState::osMaximized;
    case W::kwsMinimized:
    case W::kwsTray:
      return TSeObjectState::osMinimized;
    case W::kwsRollup:
      return TSeObjectState::osRolledUp;
    default:
      return TSeObjectState::osNormal;
  }
}

std::u16string ToU16(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}
std::wstring ToWide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

}  // namespace

TSeSkinForm::TSeSkinForm(TComponent* owner) : TSeCustomForm(owner) {
  SetActive(true);
  timer_ = new TTimer(nullptr);
  timer_->SetInterval(100);
  timer_->OnTimer = TNotifyEvent([this](TObject*) { TrackHotObject(); });
  timer_->SetEnabled(!ComponentState().Contains(TComponentStateFlag::csDesigning));
}

TSeSkinForm::~TSeSkinForm() {
  delete timer_;
  timer_ = nullptr;
  hot_ = pressed_ = client_ = title_ = nullptr;
  copy_.reset();
  if (engine_) engine_->RemoveFreeNotification(this);
}

void TSeSkinForm::DeclareProperties(TPropertyBuilder<TSeSkinForm>& p) {
  using T = TSeSkinForm;
  const auto self = [](const T& c) -> T& { return const_cast<T&>(c); };
  p.Object("Animation", [self](const T& c) { return &self(c).Animation(); });
  p.Object("Blending", [self](const T& c) { return &self(c).Blending(); });
  p.Set("BorderIcons", BorderIconInfo(), &T::BorderIcons, &T::SetBorderIcons);
  p.Enum("BorderStyle", BorderStyleInfo(), &T::BorderStyle, &T::SetBorderStyle);
  p.WideString(
      "Caption", [](const T& c) { return ToU16(c.Caption()); },
      [](T& c, const std::u16string& v) { c.SetCaption(ToWide(v)); });
  p.Object("Dragging", [self](const T& c) { return &self(c).Dragging(); });
  p.Object("Gravitation", [self](const T& c) { return &self(c).Gravitation(); });
  p.Object("Constraints", [self](const T& c) { return &self(c).Constraints(); });
  p.Object("SystemMenuOptions", [self](const T& c) { return &self(c).SystemMenuOptions(); });
  p.Object("TrayMenuOptions", [self](const T& c) { return &self(c).TrayMenuOptions(); });
  p.Boolean(
       "MinimizeApplication", [](const T& c) { return c.TSeCustomForm::MinimizeApplication(); },
       [](T& c, bool v) { c.SetMinimizeApplication(v); })
      .Default(true);
  p.Enum("Performance", SeFormPerformanceInfo(), &T::Performance, &T::SetPerformance);
  p.Object("Shadow", [self](const T& c) { return &self(c).Shadow(); });
  p.Boolean("StayOnTop", &T::StayOnTop, &T::SetStayOnTop);
  p.Boolean("StretchBackground", &T::StretchBackground, &T::SetStretchBackground);
  p.Enum("WindowState", WindowStateInfo(), &T::WindowState, &T::SetWindowState);
  p.Event(
      "OnCreate", [](const T& c) { return c.OnCreate; },
      [](T& c, decltype(c.OnCreate) v) { c.OnCreate = std::move(v); });
  p.Event(
      "OnPaint", [](const T& c) { return c.OnPaint; },
      [](T& c, decltype(c.OnPaint) v) { c.OnPaint = std::move(v); });
  p.Event(
      "OnClose", [](const T& c) { return c.OnClose; },
      [](T& c, decltype(c.OnClose) v) { c.OnClose = std::move(v); });
  p.Event(
      "OnMinimize", [](const T& c) { return c.OnMinimize; },
      [](T& c, decltype(c.OnMinimize) v) { c.OnMinimize = std::move(v); });
  p.Event(
      "OnMaximize", [](const T& c) { return c.OnMaximize; },
      [](T& c, decltype(c.OnMaximize) v) { c.OnMaximize = std::move(v); });
  p.Event(
      "OnRollup", [](const T& c) { return c.OnRollup; },
      [](T& c, decltype(c.OnRollup) v) { c.OnRollup = std::move(v); });
  p.Event(
      "OnMinToTray", [](const T& c) { return c.OnMinToTray; },
      [](T& c, decltype(c.OnMinToTray) v) { c.OnMinToTray = std::move(v); });
  p.Event(
      "OnResize", [](const T& c) { return c.OnResize; },
      [](T& c, decltype(c.OnResize) v) { c.OnResize = std::move(v); });
  p.Reference("SkinEngine", &T::SkinEngine, &T::SetSkinEngine);
  p.String("SkinObject", &T::SkinObject, &T::SetSkinObject);
  p.String(
       "Version", [](const T&) { return std::string(kVersion); }, [](T&, const std::string&) {})
      .Never();
  p.Event("OnCustomAction", &T::OnCustomAction);
}

void RegisterSkinFormClass() {
  RegisterSkinEngineClass();
  TClassRegistry::Global().Register<TSeSkinForm>();
}

// ---- binding -----------------------------------------------------------------------------

void TSeSkinForm::SetSkinEngine(TSeSkinEngine* engine) {
  if (engine_ && engine_ != engine) engine_->RemoveFreeNotification(this);
  if (engine) engine->FreeNotification(this);
  BindSkin(engine);
}

namespace {
bool Usable(const TSeSkinEngine* engine) {
  return engine && engine->Source() && !engine->Busy() && engine->ObjectCount() > 0;
}
}  // namespace

bool TSeSkinForm::IsSkinned() const {
  const TComponentState state = ComponentState();
  return !state.Contains(TComponentStateFlag::csLoading) &&
         !state.Contains(TComponentStateFlag::csDestroying) && Usable(engine_) && copy_;
}

bool TSeSkinForm::Framed() const {
  return IsSkinned() && BorderStyle() != TSeBorderStyle::kbsNone;
}

void TSeSkinForm::ReleaseCopy() {
  InvalidateFrameCache();
  hot_ = pressed_ = client_ = title_ = nullptr;
  copy_.reset();
}

void TSeSkinForm::BindSkin(TSeSkinEngine* engine) {
  engine_ = engine;
  if (Usable(engine)) {
    ReleaseCopy();
    TSeSkinObject* chosen = nullptr;
    if (skinObject_ == "Form") chosen = engine->FindFormObject();
    if (!chosen) chosen = engine->FindObject(skinObject_);
    if (!chosen) chosen = engine->FindFormObject();
    if (chosen) copy_ = CloneSkinObject(*chosen);
    if (copy_) {
      copy_->SetControl(this);
      title_ = copy_->FindByKind(TSeKind::skTitle);
      client_ = copy_->FindByKind(TSeKind::skClient);
      if (Control()) {
        Control()->Font().Assign(&copy_->Font());
        Control()->SetColor(copy_->Color());
      }
    }
  } else {
    ReleaseCopy();
    if (Control())
      Control()->SetColor(clBtnFace);
    else if (auto* form = dynamic_cast<TControl*>(Owner()))
      form->SetColor(clBtnFace);
  }
  if (ComponentState().Contains(TComponentStateFlag::csLoading)) return;
  if (IsSkinned() && !client_) TakeSkinSize();
  UpdateFrame();
}

void TSeSkinForm::TakeSkinSize() {
  auto* owner = dynamic_cast<TControl*>(Owner());
  if (owner && copy_)
    owner->SetBounds(owner->Left(), owner->Top(), copy_->Width(), copy_->Height());
}

void TSeSkinForm::Loaded() {
  if (BorderStyle() == TSeBorderStyle::kbsToolWindow) {
    skinObject_ = "ToolWindow";
    BindSkin(engine_);
  }
  TSeCustomForm::Loaded();
  if (copy_) {
    copy_->SetControl(this);
    if (auto* owner = dynamic_cast<TControl*>(Owner())) {
      owner->Font().Assign(&copy_->Font());
      owner->SetColor(copy_->Color());
    }
    if (!client_) TakeSkinSize();
  }
  UpdateFrame();
  NotifyComponents();
  if (timer_) timer_->SetEnabled(true);
}

void TSeSkinForm::NotifyComponents() {
  TComponent* owner = Owner();
  if (!owner || ComponentState().Contains(TComponentStateFlag::csLoading)) return;
  for (std::int32_t i = 0; i < owner->ComponentCount(); ++i) {
    TComponent* component = owner->Components(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(component)) {
      if (windowed->HandleAllocated()) SendMessageW(windowed->Handle(), SE_OBJECTCHANGED, 0, 0);
    } else if (auto* control = dynamic_cast<TControl*>(component)) {
      control->Perform(SE_OBJECTCHANGED, 0, 0);
    }
  }
}

void TSeSkinForm::Notification(TComponent* component, TOperation operation) {
  TSeCustomForm::Notification(component, operation);
  if (operation == TOperation::opRemove && component == engine_) {
    // The engine goes: its skin goes with it, and the frame paints itself plainly.
    engine_ = nullptr;
    BindSkin(nullptr);
  }
}

// ---- the frame's questions ---------------------------------------------------------------

TRect TSeSkinForm::GetCaptionButtonRect(TSeBorderIcon icon) {
  return Framed() ? TRect{} : TSeCustomForm::GetCaptionButtonRect(icon);
}

TRect TSeSkinForm::GetFrameClientRect() {
  if (Framed()) {
    if (const auto rect = TSeSkinFrame(*copy_).ClientRect(FrameSize())) return *rect;
  }
  return TSeCustomForm::GetFrameClientRect();
}

Handles::Region TSeSkinForm::CreateFrameRegion() {
  if (!IsSkinned()) return TSeCustomForm::CreateFrameRegion();
  const TSize frame = FrameSize();
  if (BorderStyle() == TSeBorderStyle::kbsNone) {
    if (client_) client_->SetBounds(Rect(0, 0, frame.cx, frame.cy));
    return TSeCustomForm::CreateFrameRegion();
  }
  if (client_) copy_->SetBounds(Rect(0, 0, frame.cx, frame.cy));
  PositionLinkedControls();
  const auto region = copy_->CreateTreeRegion();
  if (!region) return TSeCustomForm::CreateFrameRegion();
  return CreateRegionHandle(*region);
}

void TSeSkinForm::PositionLinkedControls() {
  TComponent* owner = Owner();
  if (!copy_ || !owner) return;
  const TRect client = GetFrameClientRect();
  std::function<void(TSeSkinObject&)> walk = [&](TSeSkinObject& object) {
    for (int i = 0; i < object.ObjectCount(); ++i) {
      TSeSkinObject* child = object.Objects(i);
      if (auto* link = dynamic_cast<TSeLinkSkinObject*>(child);
          link && !link->LinkControl().empty()) {
        auto* target = dynamic_cast<TControl*>(owner->FindComponent(link->LinkControl()));
        if (target) {
          const TRect shared = IntersectRect(link->BoundsRect(), object.BoundsRect());
          if (!IsRectEmpty(shared)) {
            const TRect r = OffsetRect(link->BoundsRect(), -client.Left, -client.Top);
            target->SetBounds(r.Left, r.Top, RectWidth(r), RectHeight(r));
          } else {
            target->SetBounds(0, 0, 0, 0);
          }
        }
      }
    }
    for (int i = 0; i < object.ObjectCount(); ++i) walk(*object.Objects(i));
  };
  walk(*copy_);
}

TSeFrameZone TSeSkinForm::GetFrameZone(std::int32_t x, std::int32_t y) {
  if (!Framed()) return TSeCustomForm::GetFrameZone(x, y);
  return TSeSkinFrame(*copy_).Zone(TPoint{x, y});
}

void TSeSkinForm::StateToTree() {
  copy_->SetActive(WindowActive() || renderingActive_);
  copy_->SetState(ObjectState(WindowState()));
}

void TSeSkinForm::PaintFrame(HDC dc) {
  if (!Framed()) {
    TSeCustomForm::PaintFrame(dc);
    return;
  }
  StateToTree();
  if (title_ && Control()) title_->SetText(ToU16(Control()->Caption()));
  const bool clientVisible = client_ && client_->Visible();
  if (client_) client_->SetVisible(false);
  ScopeGuard visibleAgain([&] {
    if (client_) client_->SetVisible(clientVisible);
  });
  TSeGdiCanvas canvas(dc);
  copy_->Draw(canvas);
}

void TSeSkinForm::PaintClientBackground(HDC dc) {
  if (!IsSkinned()) {
    TSeCustomForm::PaintClientBackground(dc);
    return;
  }
  copy_->SetActive(WindowActive() || renderingActive_);
  TSeGdiCanvas canvas(dc);
  if (client_) {
    canvas.SetOrigin(TPoint{-client_->Left(), -client_->Top()});
    client_->Draw(canvas);
    canvas.SetOrigin(TPoint{0, 0});
  } else {
    copy_->Draw(canvas);
  }
}

// ---- mouse -------------------------------------------------------------------------------

void TSeSkinForm::FrameMouseDown(TSeMouseButton button, TShiftState shift, std::int32_t x,
                                 std::int32_t y) {
  TSeCustomForm::FrameMouseDown(button, shift, x, y);
  if (!IsSkinned()) return;
  TSeSkinObject* object = copy_->ObjectAtPoint(TPoint{x, y});
  pressed_ = object;
  if (!object) return;
  if (shift.Contains(ssDouble))
    object->DblClick(button, x - object->Left(), y - object->Top());
  else
    object->MouseDown(button, x - object->Left(), y - object->Top());
}

void TSeSkinForm::FrameMouseMove(TShiftState shift, std::int32_t x, std::int32_t y) {
  TSeCustomForm::FrameMouseMove(shift, x, y);
  if (!IsSkinned()) return;
  TSeSkinObject* object = copy_->ObjectAtPoint(TPoint{x, y});
  if (object && ((!shift.Contains(ssLeft) && !shift.Contains(ssRight)) || object == pressed_))
    object->MouseMove(shift, x - object->Left(), y - object->Top());
}

void TSeSkinForm::FrameMouseUp(TSeMouseButton button, TShiftState shift, std::int32_t x,
                               std::int32_t y) {
  TSeSkinObject* pressed = pressed_;
  pressed_ = nullptr;
  TSeCustomForm::FrameMouseUp(button, shift, x, y);
  if (!IsSkinned() || !pressed) return;
  TSeSkinObject* object = copy_->ObjectAtPoint(TPoint{x, y});
  if (object == pressed) object->MouseUp(button, x - object->Left(), y - object->Top());
}

void TSeSkinForm::TrackHotObject() {
  if (!IsSkinned() || !WindowActive() || !Control()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint at = ScreenToWindow(cursor);
  TSeSkinObject* object = copy_->ObjectAtPoint(at);
  if (!object) {
    if (hot_) hot_->MouseLeave();
    hot_ = nullptr;
    return;
  }
  if (object->Visible() && object != hot_) {
    if (hot_) hot_->MouseLeave();
    hot_ = object;
    if (!pressed_ || pressed_ == object) object->MouseEnter();
  }
}

const TSeSkinObject* TSeSkinForm::PopupMenuObject() const {
  return IsSkinned() ? engine_->FindObject("PopupMenu") : nullptr;
}

void TSeSkinForm::CustomAction(TSeSkinObject* object) {
  if (OnCustomAction) OnCustomAction(object);
}

// ---- the objects' window -----------------------------------------------------------------

void TSeSkinForm::ObjectChanged(TSeSkinObject* object) {
  // Any object's look may show in the frame.
  InvalidateFrameCache();
  if (Control() && Control()->HandleAllocated())
    SendMessageW(Control()->Handle(), SE_OBJECTCHANGED, 0, reinterpret_cast<LPARAM>(object));
}

TSeBiDiMode TSeSkinForm::BiDiMode() const {
  const auto* owner = dynamic_cast<const TControl*>(Owner());
  return owner ? static_cast<TSeBiDiMode>(owner->BiDiMode()) : TSeBiDiMode::bdLeftToRight;
}

bool TSeSkinForm::DrawWindowIcon(TSeCanvas& canvas, std::int32_t x, std::int32_t y) {
  auto* gdi = dynamic_cast<TSeGdiCanvas*>(&canvas);
  if (!gdi || !OwnerForm()) return false;
  HICON icon = WindowIcon();
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  const TPoint origin = gdi->Origin();
  DrawIconEx(gdi->Handle(), x + origin.X, y + origin.Y, icon, GetSystemMetrics(SM_CXSMICON),
             GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
  return true;
}

TPoint TSeSkinForm::ClientToScreen(TPoint point) const {
  const TRect r = WindowRect();
  return TPoint{point.X + r.Left, point.Y + r.Top};
}

void TSeSkinForm::ActivateHint(TPoint screen) {
  if (Application && Control()) Application->ActivateHint(Control(), POINT{screen.X, screen.Y});
}

// ---- messages ----------------------------------------------------------------------------

void TSeSkinForm::SEObjectChanged(TMessage& message) {
  SetHandled(true);
  auto* object = reinterpret_cast<TSeSkinObject*>(message.LParam);
  if (!object || !IsSkinned()) return;
  if (object->Kind() != TSeKind::skClient) PaintNonClient();
}

void TSeSkinForm::SEGetSkinForm(TMessage& message) {
  message.Result = reinterpret_cast<LRESULT>(static_cast<TSeSkinFormActions*>(this));
  SetHandled(true);
}

void TSeSkinForm::SEBeforeChange(TMessage& message) {
  if (!engine_ || reinterpret_cast<TSeSkinEngine*>(message.LParam) != engine_) return;
  if (timer_) timer_->SetEnabled(false);
  ProcessMessages();
  ReleaseCopy();
  ProcessMessages();
}

void TSeSkinForm::SEAfterChange(TMessage& message) {
  if (!engine_ || reinterpret_cast<TSeSkinEngine*>(message.LParam) != engine_) return;
  BindSkin(engine_);
  UpdateFrameRegion();
  PaintNonClient();
  if (timer_) timer_->SetEnabled(true);
}
