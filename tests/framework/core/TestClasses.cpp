#include "tests/framework/core/TestClasses.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"

#include "framework/core/Exception.h"

namespace TestClasses {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

const TClassRegistry& Registry() {
  static const TClassRegistry registry = [] {
    TClassRegistry r;
    r.Register<TTestObject>();
    r.Register<TTestBitmapObject>();
    r.Register<TTestMenu>();
    r.Register<TTestEngine>();
    r.Register<TTestControl>();
    r.Register<TTestForm>();
    r.Register<TTestFrame>();
    return r;
  }();
  return registry;
}

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info("TTestAlign", {"saNone", "saLeft", "saTop", "saClient"});
  return info;
}
const TEnumInfo& KindInfo() {
  static const TEnumInfo info("TTestKind", {"skNone", "skForm", "skCaption"});
  return info;
}
const TEnumInfo& AnchorInfo() {
  static const TEnumInfo info("TTestAnchor", {"akLeft", "akTop", "akRight", "akBottom"});
  return info;
}

void TTestBitmapLink::DeclareProperties(TPropertyBuilder<TTestBitmapLink>& p) {
  p.String("Name", &TTestBitmapLink::Name);
  p.Integer("Left", &TTestBitmapLink::Left).Default(0);
  p.Integer("Top", &TTestBitmapLink::Top).Default(0);
  p.Integer("Right", &TTestBitmapLink::Right).Default(0);
  p.Integer("Bottom", &TTestBitmapLink::Bottom).Default(0);
}

void TTestObject::DeclareProperties(TPropertyBuilder<TTestObject>& p) {
  p.Enum("Align", AlignInfo(), &TTestObject::Align).Default(TTestAlign::saNone);
  p.Color("Color", &TTestObject::Color).Default(clWhite);
  p.Boolean("DrawIfOwner", &TTestObject::DrawIfOwner).Default(false);
  p.Object("Font", &TTestObject::Font);
  p.Enum("Kind", KindInfo(), &TTestObject::Kind).Default(TTestKind::skNone);
  p.Boolean("Masked", &TTestObject::Masked).Default(true);
  p.Integer("Left", &TTestObject::Left).Default(0);
  p.Integer("Top", &TTestObject::Top).Default(0);
  p.Integer("Height", &TTestObject::Height).Default(0);
  p.Integer("Width", &TTestObject::Width).Default(0);
}

void TTestObject::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Objects", [this](TStream& s) { ReadObjects(s); }, [this](TStream& s) { WriteObjects(s); },
      true);
}

namespace {

std::string ReadSkinString(TStream& s) {
  const std::int32_t n = s.ReadInt32();
  if (n < 0 || n > s.Remaining()) throw EReadError(FrameworkMessages::SReadError);
  std::string out(static_cast<std::size_t>(n), '\0');
  s.ReadBuffer(out.data(), out.size());
  return out;
}

}  // namespace

void TTestObject::ReadObjects(TStream& s) {
  const std::uint32_t word = s.ReadUInt32();
  const std::uint32_t count = word & ~0x000F0000u;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string className = ReadSkinString(s);
    const std::int32_t size = s.ReadInt32();
    if (size < 0 || size > s.Remaining()) throw EReadError(FrameworkMessages::SReadError);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    s.ReadBuffer(bytes.data(), bytes.size());
    TComponent* child = Registry().Find(className).Create(this);
    TReadOnlyMemoryStream block(bytes.data(), bytes.size());
    TReader(block, Registry()).ReadRootComponent(child);
  }
}

void TTestObject::WriteObjects(TStream& s) {
  s.WriteUInt32(0x000F0000u | static_cast<std::uint32_t>(ObjectCount()));
  for (std::int32_t i = 0; i < ObjectCount(); ++i) {
    TMemoryStream child;
    TWriter(child).WriteRootComponent(*Objects(i));
    const std::string& className = Objects(i)->ClassName();
    s.WriteInt32(static_cast<std::int32_t>(className.size()));
    s.WriteBuffer(className.data(), className.size());
    s.WriteInt32(static_cast<std::int32_t>(child.Size()));
    s.WriteBuffer(child.Bytes().data(), child.Bytes().size());
  }
}

void TTestBitmapObject::DeclareProperties(TPropertyBuilder<TTestBitmapObject>& p) {
  p.Object("Bitmap", &TTestBitmapObject::Bitmap);
}

void TTestMenu::DeclareProperties(TPropertyBuilder<TTestMenu>& p) {
  p.Boolean(
       "AutoPopup", [](const TTestMenu& m) { return m.AutoPopup; },
       [](TTestMenu& m, bool v) {
         m.AutoPopup = v;
         m.StatesSeen.push_back(m.ComponentState());
       })
      .Default(true);
}

void TTestEngine::DeclareProperties(TPropertyBuilder<TTestEngine>& p) {
  p.Integer("DeltaHue", &TTestEngine::DeltaHue).Always();
  p.String(
       "Version", [](const TTestEngine&) { return std::string("3.1.5"); },
       [](TTestEngine&, const std::string&) {})
      .Always();
}

void TTestEngine::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream",
      [this](TStream& s) {
        SkinStream.resize(static_cast<std::size_t>(s.Size()));
        s.ReadBuffer(SkinStream.data(), SkinStream.size());
      },
      [this](TStream& s) { s.WriteBuffer(SkinStream.data(), SkinStream.size()); }, true);
}

void TTestEngine::Loaded() {
  TComponent::Loaded();
  Log().push_back("Loaded " + Name());
}

TTestControl::TTestControl(TComponent* owner) : TComponent(owner) {}

TTestControl::~TTestControl() {
  SetSkinEngine(nullptr);
}

void TTestControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (std::int32_t i = 0; i < root->ComponentCount(); ++i) {
    TComponent* c = root->Components(i);
    if (c->GetParentComponent() == this) proc(c);
  }
}

void TTestControl::SetSkinEngine(TTestEngine* engine) {
  if (engine == engine_) return;
  if (engine_ != nullptr) engine_->RemoveFreeNotification(this);
  engine_ = engine;
  if (engine_ != nullptr) engine_->FreeNotification(this);
}

void TTestControl::DeclareProperties(TPropertyBuilder<TTestControl>& p) {
  p.Integer("Left", &TTestControl::Left).Default(0);
  p.Integer("Top", &TTestControl::Top).Default(0);
  p.Integer("Width", &TTestControl::Width);
  p.Integer("Height", &TTestControl::Height);
  p.Set("Anchors", AnchorInfo(), &TTestControl::Anchors)
      .Default(TTestAnchors{TTestAnchor::akLeft, TTestAnchor::akTop});
  p.WideString("Caption", &TTestControl::Caption);
  p.Color("Color", &TTestControl::Color).Default(clBtnFace);
  p.IntegerIdent("Cursor", CursorIdents(), &TTestControl::Cursor).Default(crDefault);
  p.Boolean("Enabled", &TTestControl::Enabled).Default(true);
  p.Object("Lines", &TTestControl::Lines);
  p.Reference("PopupMenu", &TTestControl::PopupMenu);
  p.Reference("SkinEngine", &TTestControl::SkinEngine, &TTestControl::SetSkinEngine);
  p.String(
       "Version", [](const TTestControl&) { return std::string("3.1.5"); },
       [](TTestControl&, const std::string&) {})
      .Never();
  p.Event("OnClick", &TTestControl::OnClick);
  p.Event("OnResize", &TTestControl::OnResize);
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == engine_) engine_ = nullptr;
  if (component == PopupMenu) PopupMenu = nullptr;
  if (component == parent_) parent_ = nullptr;
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  EngineSetAtLoaded = engine_ != nullptr;
  Log().push_back("Loaded " + Name());
}

void TTestFrame::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
  TTestControl::GetChildren(proc, this);
}

void TTestForm::ButtonClick(TObject* sender) {
  Calls.push_back("ButtonClick " + static_cast<TComponent*>(sender)->Name());
}
void TTestForm::FormActivate(TObject*) {
  Calls.push_back("FormActivate");
}
void TTestForm::FormResize(TObject*, std::int32_t width) {
  Calls.push_back("FormResize " + std::to_string(width));
}

void TTestForm::DeclareProperties(TPropertyBuilder<TTestForm>& p) {
  p.WideString("Caption", &TTestForm::Caption);
  p.Integer("ClientWidth", &TTestForm::ClientWidth);
  p.Object("Font", &TTestForm::Font);
  p.Event("OnActivate", &TTestForm::OnActivate);
  p.Method("ButtonClick", &TTestForm::ButtonClick);
  p.Method("FormActivate", &TTestForm::FormActivate);
  p.Method("FormResize", &TTestForm::FormResize);
  p.Field("Button1", &TTestForm::Button1);
  p.Field("SeSkinEngine1", &TTestForm::SeSkinEngine1);
}

void TTestForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  // Controls placed directly on the form, then the non-visual components.
  for (std::int32_t i = 0; i < ComponentCount(); ++i)
    if (Components(i)->GetParentComponent() == this) proc(Components(i));
  TComponent::GetChildren(proc, root);
}

void TTestForm::Loaded() {
  TComponent::Loaded();
  Log().push_back("Loaded " + Name());
}

std::vector<std::uint8_t> WriteToBytes(TComponent& component) {
  TMemoryStream s;
  TWriter(s).WriteRootComponent(component);
  return s.Bytes();
}

std::unique_ptr<TComponent> ReadFromBytes(const std::vector<std::uint8_t>& bytes,
                                          TComponent* root) {
  TReadOnlyMemoryStream s(bytes.data(), bytes.size());
  TComponent* result = TReader(s, Registry()).ReadRootComponent(root);
  if (root != nullptr) return nullptr;
  return std::unique_ptr<TComponent>(result);
}

}  // namespace TestClasses
