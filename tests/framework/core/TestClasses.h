#pragma once

// Classes shaped like the ones that stream in window definitions and skins, for the framework
// tests: a skin-object-like tree that keeps its children in a binary "Objects" property, and
// a form with controls (nested by parent), a non-visual engine with a binary block, menus,
// events and references.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Cursor.h"
#include "framework/core/TClassRegistry.h"
#include "framework/core/TFont.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TReader.h"
#include "framework/core/TStream.h"
#include "framework/core/TStringList.h"
#include "framework/core/TWriter.h"

namespace TestClasses {

// What Loaded and notifications saw, in order.
std::vector<std::string>& Log();

const TClassRegistry& Registry();

enum class TTestAlign { saNone, saLeft, saTop, saClient };
enum class TTestKind { skNone, skForm, skCaption };
enum class TTestAnchor { akLeft, akTop, akRight, akBottom };
using TTestAnchors = TSet<TTestAnchor>;

const TEnumInfo& AlignInfo();
const TEnumInfo& KindInfo();
const TEnumInfo& AnchorInfo();

class TTestBitmapLink : public TPersistent {
  QM_CLASS(TTestBitmapLink, TPersistent)
 public:
  std::string Name;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  static void DeclareProperties(TPropertyBuilder<TTestBitmapLink>& p);
};

// A node of a tree whose children are written inside its "Objects" block, each child a
// complete component stream of its own.
class TTestObject : public TComponent {
  QM_CLASS(TTestObject, TComponent)
 public:
  explicit TTestObject(TComponent* owner) : TComponent(owner) {}

  TTestAlign Align = TTestAlign::saNone;
  TColor Color = clWhite;
  bool DrawIfOwner = false;
  TFont Font;
  TTestKind Kind = TTestKind::skNone;
  bool Masked = true;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;

  std::int32_t ObjectCount() const { return ComponentCount(); }
  TTestObject* Objects(std::int32_t i) const { return static_cast<TTestObject*>(Components(i)); }

  static void DeclareProperties(TPropertyBuilder<TTestObject>& p);
  void DefineProperties(TFiler& filer) override;
  // Children travel in "Objects", not in the child list.
  void GetChildren(const std::function<void(TComponent*)>&, TComponent*) override {}

 private:
  void ReadObjects(TStream& stream);
  void WriteObjects(TStream& stream);
};

class TTestBitmapObject : public TTestObject {
  QM_CLASS(TTestBitmapObject, TTestObject)
 public:
  using TTestObject::TTestObject;
  TTestBitmapLink Bitmap;
  static void DeclareProperties(TPropertyBuilder<TTestBitmapObject>& p);
};

class TTestMenu : public TComponent {
  QM_CLASS(TTestMenu, TComponent)
 public:
  explicit TTestMenu(TComponent* owner) : TComponent(owner) {}
  bool AutoPopup = true;
  // The component state each time AutoPopup was set.
  std::vector<TComponentState> StatesSeen;
  static void DeclareProperties(TPropertyBuilder<TTestMenu>& p);
};

// A non-visual component with a binary block that is always written.
class TTestEngine : public TComponent {
  QM_CLASS(TTestEngine, TComponent)
 public:
  explicit TTestEngine(TComponent* owner) : TComponent(owner) {}
  std::int32_t DeltaHue = 0;
  std::vector<std::uint8_t> SkinStream;
  static void DeclareProperties(TPropertyBuilder<TTestEngine>& p);
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
};

// A control: has a parent, writes the controls whose parent it is as its children.
class TTestControl : public TComponent {
  QM_CLASS(TTestControl, TComponent)
 public:
  explicit TTestControl(TComponent* owner);
  ~TTestControl() override;

  TComponent* Parent() const { return parent_; }
  void SetParent(TComponent* parent) { parent_ = parent; }
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  TTestEngine* SkinEngine() const { return engine_; }
  void SetSkinEngine(TTestEngine* engine);
  TTestMenu* PopupMenu = nullptr;

  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 100;
  std::int32_t Height = 30;
  std::u16string Caption;
  bool Enabled = true;
  TTestAnchors Anchors{TTestAnchor::akLeft, TTestAnchor::akTop};
  TCursor Cursor = crDefault;
  TColor Color = clBtnFace;
  TStringList Lines;
  TNotifyEvent OnClick;
  TEvent<TObject*, std::int32_t> OnResize;

  // What the engine and menu references held when Loaded ran.
  bool EngineSetAtLoaded = false;

  static void DeclareProperties(TPropertyBuilder<TTestControl>& p);
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  TComponent* parent_ = nullptr;
  TTestEngine* engine_ = nullptr;
};

// A control that owns the controls read inside it (as an embedded frame does).
class TTestFrame : public TTestControl {
  QM_CLASS(TTestFrame, TTestControl)
 public:
  using TTestControl::TTestControl;
  TComponent* GetChildOwner() override { return this; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
};

// A window: owns every component of its definition and publishes the methods and fields the
// definition names.
class TTestForm : public TComponent {
  QM_CLASS(TTestForm, TComponent)
 public:
  explicit TTestForm(TComponent* owner) : TComponent(owner) {}

  std::u16string Caption;
  std::int32_t ClientWidth = 0;
  TFont Font;
  TNotifyEvent OnActivate;

  TTestControl* Button1 = nullptr;
  TTestEngine* SeSkinEngine1 = nullptr;
  std::vector<std::string> Calls;

  void ButtonClick(TObject* sender);
  void FormActivate(TObject* sender);
  void FormResize(TObject* sender, std::int32_t width);

  static void DeclareProperties(TPropertyBuilder<TTestForm>& p);
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;
};

// Bytes of a component written by TWriter, and a component read back from bytes.
std::vector<std::uint8_t> WriteToBytes(TComponent& component);
std::unique_ptr<TComponent> ReadFromBytes(const std::vector<std::uint8_t>& bytes,
                                          TComponent* root = nullptr);

}  // namespace TestClasses
