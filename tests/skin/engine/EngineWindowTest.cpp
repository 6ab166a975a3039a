// The engine's announcements in real windows: forms of the screen with a component that hooks
// its form's window and skinned test controls nested inside panels, bound to one engine or
// another; hue steps checked on the platform's own copies of the pixels; a window definition
// whose engine carries its skin.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "../../framework/ui/UiTestSupport.h"
#include "EngineClientBinding.h"
#include "EngineTestSkin.h"
#include "framework/core/TFileStream.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "framework/ui/FrameworkClasses.h"
#include "framework/ui/TCustomControl.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TGraphicControl.h"
#include "framework/ui/TPanel.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"

namespace {

// A windowed skinned control, stored in window definitions.
class TTestSkinControl : public TCustomControl {
  QM_CLASS(TTestSkinControl, TCustomControl)
  // clang-format off
  QM_MESSAGE_TABLE(TTestSkinControl, TCustomControl,
    QM_MESSAGE(SE_BEFORECHANGE, SeChange)
    QM_MESSAGE(SE_AFTERCHANGE, SeChange))
  // clang-format on

 public:
  explicit TTestSkinControl(TComponent* owner) : TCustomControl(owner), binding("control") {}
  static void DeclareProperties(TPropertyBuilder<TTestSkinControl>& p) {
    p.Reference("SkinEngine", &TTestSkinControl::SkinEngine, &TTestSkinControl::SetSkinEngine);
    p.String(
        "SkinObject", [](const TTestSkinControl& c) { return c.binding.ObjectName; },
        [](TTestSkinControl& c, const std::string& v) { c.binding.ObjectName = v; });
  }
  TSeSkinEngine* SkinEngine() const { return binding.Engine; }
  void SetSkinEngine(TSeSkinEngine* engine) {
    binding.Engine = engine;
    if (engine) engine->FreeNotification(this);
    if (!Loading()) binding.Bind();
  }
  void Loaded() override {
    TCustomControl::Loaded();
    binding.Bind();
  }
  void Notification(TComponent* component, TOperation operation) override {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == binding.Engine) {
      binding.Release();
      binding.Engine = nullptr;
    }
  }
  TClientBinding binding;

 private:
  void SeChange(TMessage& message) { binding.Handle(message.Msg, message.LParam); }
};

// A windowless skinned control.
class TTestSkinGraphic : public TGraphicControl {
  // clang-format off
  QM_MESSAGE_TABLE(TTestSkinGraphic, TGraphicControl,
    QM_MESSAGE(SE_BEFORECHANGE, SeChange)
    QM_MESSAGE(SE_AFTERCHANGE, SeChange))
  // clang-format on

 public:
  explicit TTestSkinGraphic(TComponent* owner) : TGraphicControl(owner), binding("graphic") {}
  TClientBinding binding;

 private:
  void SeChange(TMessage& message) { binding.Handle(message.Msg, message.LParam); }
};

// A non-visual client that sees its form's messages by hooking the form's window, as the
// skinned frame does.
class TTestFormHook : public TComponent {
 public:
  TTestFormHook(TForm* form, TSeSkinEngine* engine)
      : TComponent(form), binding("form", "Form"), window_(form->Handle()) {
    binding.Engine = engine;
    SetPropW(window_, L"QmEngineTestHook", this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    binding.Bind();
  }
  ~TTestFormHook() override {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(window_, L"QmEngineTestHook");
  }
  TClientBinding binding;

 private:
  static LRESULT CALLBACK HookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TTestFormHook*>(GetPropW(window, L"QmEngineTestHook"));
    if (msg == SE_BEFORECHANGE || msg == SE_AFTERCHANGE) {
      EXPECT_EQ(wParam, static_cast<WPARAM>(lParam));
      self->binding.Handle(msg, lParam);
    }
    return CallWindowProcW(self->previous_, window, msg, wParam, lParam);
  }
  HWND window_;
  WNDPROC previous_ = nullptr;
};

class EngineWindows : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterFrameworkClasses();
    RegisterSkinEngineClass();
    TClassRegistry::Global().Register<TTestSkinControl>();
    TClientBinding::SetLog(&log);
  }
  void TearDown() override {
    UiTest::TearDown();
    TClientBinding::SetLog(nullptr);
  }

  // A form with an engine holding a skin, a hook on its window, and a control and a windowless
  // control two panels deep.
  struct Window {
    std::unique_ptr<TForm> Form;
    TSeSkinEngine* Engine = nullptr;
    TTestFormHook* Hook = nullptr;
    TTestSkinControl* Control = nullptr;
    TTestSkinGraphic* Graphic = nullptr;
  };
  Window MakeWindow(int seed, TSeSkinEngine* bindTo = nullptr) {
    Window w;
    w.Form.reset(NewForm());
    w.Engine = new TSeSkinEngine(w.Form.get());
    EngineTestSkin::Fill(*w.Engine->Source(), seed);
    TSeSkinEngine* engine = bindTo ? bindTo : w.Engine;
    auto* outer = new TPanel(w.Form.get());
    outer->SetParent(w.Form.get());
    outer->SetBounds(10, 10, 200, 150);
    auto* inner = new TPanel(w.Form.get());
    inner->SetParent(outer);
    inner->SetBounds(10, 10, 150, 100);
    w.Control = new TTestSkinControl(w.Form.get());
    w.Control->SetParent(inner);
    w.Control->SetBounds(5, 5, 60, 30);
    w.Control->SetSkinEngine(engine);
    w.Graphic = new TTestSkinGraphic(w.Form.get());
    w.Graphic->SetParent(inner);
    w.Graphic->SetBounds(70, 5, 60, 30);
    w.Graphic->binding.Engine = engine;
    w.Graphic->binding.Bind();
    w.Form->Show();
    w.Hook = new TTestFormHook(w.Form.get(), engine);
    Pump();
    log.clear();
    return w;
  }

  std::vector<std::string> log;
};

TEST_F(EngineWindows, AHueChangeReachesEveryClientDownToControlsTwoPanelsDeep) {
  Window w = MakeWindow(1);
  ASSERT_NE(w.Control->binding.Copy(), nullptr);
  std::vector<std::string> events;
  w.Engine->OnBeforeChange = {[&](TObject*) { events.push_back("OnBeforeChange"); }};
  w.Engine->OnAfterChange = {[&](TObject*) { events.push_back("OnAfterChange " + log.back()); }};

  w.Engine->SetDeltaHue(30);
  // The form's window first, then the controls in tree order; all drop before any binds.
  EXPECT_EQ(log, (std::vector<std::string>{"form release", "control release", "graphic release",
                                           "form bind Form", "control bind Button",
                                           "graphic bind Button"}));
  EXPECT_EQ(events,
            (std::vector<std::string>{"OnBeforeChange", "OnAfterChange graphic bind Button"}));
  EXPECT_NE(w.Control->binding.Copy(), nullptr);
  EXPECT_NE(w.Graphic->binding.Copy(), nullptr);
  EXPECT_NE(w.Hook->binding.Copy(), nullptr);
  EXPECT_EQ(w.Control->binding.CopyColor(),
            EngineProbe::ObjectColor(*w.Engine, "Button"));  // the copy carries the new hue
}

TEST_F(EngineWindows, ClientsOfAnotherEngineIgnoreItsAnnouncements) {
  Window a = MakeWindow(1);
  Window b = MakeWindow(2, a.Engine);  // b's clients use a's engine
  const TSeSkinObject* bCopy = b.Control->binding.Copy();
  b.Engine->SetDeltaHue(40);
  EXPECT_TRUE(log.empty()) << log.front();
  EXPECT_EQ(b.Control->binding.Copy(), bCopy);
  EXPECT_GE(a.Control->binding.Ignored, 2);
  EXPECT_GE(b.Graphic->binding.Ignored, 2);
  EXPECT_GE(b.Hook->binding.Ignored, 2);

  // a's engine reaches its clients in both windows, form by form.
  a.Engine->SetDeltaHue(40);
  EXPECT_EQ(std::count(log.begin(), log.end(), "control bind Button"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "form release"), 2);
}

TEST_F(EngineWindows, HueStepsReachThePlatformPixelsAndTheSameValueSendsNothing) {
  using namespace EngineProbe;
  Window w = MakeWindow(3);
  EnsureDeviceCopy(*w.Engine, 1);
  const std::vector<std::uint32_t> original = Pixels(*w.Engine, 1);

  w.Engine->SetDeltaHue(30);
  const std::vector<std::uint32_t> at30 = ShiftedRgb(original, 30);
  EXPECT_EQ(DevicePixels(*w.Engine, 1, false), at30);
  EXPECT_EQ(DevicePixels(*w.Engine, 1, true), at30);
  EXPECT_FALSE(log.empty());

  // 50 after 30 is a step of 20 on the shifted pixels, not 50 on the originals.
  w.Engine->SetDeltaHue(50);
  const std::vector<std::uint32_t> at50 = ShiftedRgb(Shifted(original, 30), 20);
  EXPECT_EQ(DevicePixels(*w.Engine, 1, false), at50);
  EXPECT_EQ(DevicePixels(*w.Engine, 1, true), at50);
  // Applied whole instead of as a step, 50 would land elsewhere.
  EXPECT_NE(at50, ShiftedRgb(Shifted(original, 30), 50));

  log.clear();
  w.Engine->SetDeltaHue(50);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(DevicePixels(*w.Engine, 1, false), at50);
}

TEST_F(EngineWindows, AFailingSkinFileLeavesThePreviousSkinAndTheClientsBoundToIt) {
  Window w = MakeWindow(1);
  EngineTestSkin::TTempDir dir;
  EngineTestSkin::SaveSkin(dir.File("whole.cskn"), 2);
  TMemoryStream cut;
  {
    TFileStream whole(dir.File("whole.cskn"), TFileMode::fmOpenRead);
    cut.CopyFrom(whole, whole.Size() - 40);
  }
  cut.SaveToFile(dir.File("broken.cskn"));
  const std::vector<std::uint32_t> pixels = EngineProbe::Pixels(*w.Engine, 0);

  EXPECT_ANY_THROW(w.Engine->SetSkinFile(dir.File("broken.cskn")));
  EXPECT_EQ(log, (std::vector<std::string>{"form release", "control release", "graphic release",
                                           "form bind Form", "control bind Button",
                                           "graphic bind Button"}));
  EXPECT_TRUE(EngineProbe::HasObject(*w.Engine, "Extra1"));
  EXPECT_EQ(EngineProbe::Pixels(*w.Engine, 0), pixels);

  // A good file then swaps the skin; while it is read, clients asked to bind find nothing.
  log.clear();
  w.Engine->OnBeforeChange = {[&](TObject*) {
    w.Control->binding.Bind();
    EXPECT_EQ(w.Control->binding.Copy(), nullptr);
  }};
  w.Engine->SetSkinFile(dir.File("whole.cskn"));
  EXPECT_TRUE(EngineProbe::HasObject(*w.Engine, "Extra2"));
  EXPECT_EQ(log.back(), "graphic bind Button");
  EXPECT_NE(w.Control->binding.Copy(), nullptr);
}

TEST_F(EngineWindows, AWindowDefinitionLoadsTheEngineSkinBeforeAnyClientBinds) {
  std::vector<std::uint8_t> definition;
  {
    std::unique_ptr<TForm> form(NewForm());
    form->SetName("SkinnedForm");
    auto* engine = new TSeSkinEngine(form.get());
    engine->SetName("SeSkinEngine1");
    EngineTestSkin::Fill(*engine->Source(), 7);
    auto* panel = new TPanel(form.get());
    panel->SetName("Panel1");
    panel->SetParent(form.get());
    auto* control = new TTestSkinControl(form.get());
    control->SetName("Client1");
    control->SetParent(panel);
    control->SetSkinEngine(engine);
    TMemoryStream out;
    TWriter(out).WriteRootComponent(*form);
    definition = out.Bytes();
  }
  log.clear();

  std::unique_ptr<TForm> form(new TForm(nullptr));
  TMemoryStream in(definition);
  TReader(in).ReadRootComponent(form.get());
  auto* engine = dynamic_cast<TSeSkinEngine*>(form->FindComponent("SeSkinEngine1"));
  auto* control = dynamic_cast<TTestSkinControl*>(form->FindComponent("Client1"));
  ASSERT_NE(engine, nullptr);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->SkinEngine(), engine);
  EXPECT_TRUE(control->binding.SkinPresentAtFirstBind);
  EXPECT_EQ(log, (std::vector<std::string>{"control bind Button"}));
  EXPECT_EQ(engine->SkinFile(), "");
  EXPECT_TRUE(EngineProbe::HasObject(*engine, "Extra7"));

  // Destroying the engine first leaves the client without a dangling reference.
  delete engine;
  EXPECT_EQ(control->SkinEngine(), nullptr);
  EXPECT_EQ(control->binding.Copy(), nullptr);
}

}  // namespace
