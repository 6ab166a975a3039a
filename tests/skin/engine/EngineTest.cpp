// The engine without windows: its stored form, lookups, hue steps and their guard, skin files
// with the busy flag, and the announcements as a recording broadcaster sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "EngineTestSkin.h"
#include "framework/core/ObjectText.h"
#include "framework/core/TFileStream.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "skin/SkinMessages.h"
#include "skin/engine/TSeChangeBroadcaster.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/ProgramDirectory.h"
#include "skin/store/TSeSkinSource.h"

namespace {

using EngineTestSkin::Names;
using EngineTestSkin::Pixels;
using EngineTestSkin::SaveSkin;
using EngineTestSkin::TTempDir;

// Records what every announcement found: the message, whether the engine's lookups answered,
// and the skin's object names at that moment.
class TRecorder : public TSeChangeBroadcaster {
 public:
  struct Entry {
    std::uint32_t Message;
    bool FormFound;
    bool Busy;
    std::vector<std::string> Names;
  };
  void Broadcast(std::uint32_t message, TSeSkinEngine& engine) override {
    entries.push_back(
        {message, engine.FindFormObject() != nullptr, engine.Busy(), Names(*engine.Source())});
    log.push_back(message == SE_BEFORECHANGE ? "before" : "after");
  }
  std::vector<Entry> entries;
  std::vector<std::string> log;
};

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSkinEngineClass();
    engine = std::make_unique<TSeSkinEngine>(nullptr);
    engine->SetName("SeSkinEngine1");
    engine->SetBroadcaster(&recorder);
    engine->OnBeforeChange = {[this](TObject* sender) {
      EXPECT_EQ(sender, engine.get());
      recorder.log.push_back("OnBeforeChange");
    }};
    engine->OnAfterChange = {[this](TObject* sender) {
      EXPECT_EQ(sender, engine.get());
      recorder.log.push_back("OnAfterChange");
    }};
  }
  void TearDown() override { SetProgramDirectory(std::string()); }

  void Fill(int seed) { EngineTestSkin::Fill(*engine->Source(), seed); }

  // The engine as a window definition stores it, in text form.
  static std::string Stored(TSeSkinEngine& e) {
    TMemoryStream binary;
    TWriter(binary).WriteRootComponent(e);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    return std::string(text.Bytes().begin(), text.Bytes().end());
  }

  std::unique_ptr<TSeSkinEngine> engine;
  TRecorder recorder;
};

std::vector<std::uint32_t> Shifted(std::vector<std::uint32_t> pixels, int delta) {
  for (auto& p : pixels) p = ShiftHuePixel(p, delta);
  return pixels;
}

TEST_F(Engine, StoresItsPropertiesInOrderWithTheSkinLast) {
  engine->OnBeforeChange = {};
  engine->OnAfterChange = {};
  engine->SetVersion("9.9");
  engine->SetSkinStore("other.cskn");
  EXPECT_EQ(Stored(*engine),
            "object SeSkinEngine1: TSeSkinEngine\r\n"
            "  DeltaHue = 0\r\n"
            "  SkinStore = '(none)'\r\n"
            "  Version = '3.1.5'\r\n"
            "  SkinStream = {00}\r\n"
            "end\r\n");

  // Designing, a skin file name is kept without loading; the file-name part of the skin's
  // name shows as SkinStore.
  engine->SetDesigning(true);
  engine->SetSkinFile("missing.cskn");
  engine->Source()->SetSkinName("skins\\Blue Steel.cskn");
  Fill(3);
  engine->Source()->SetSkinName("skins\\Blue Steel.cskn");
  EXPECT_EQ(engine->SkinStore(), "Blue Steel.cskn");
  engine->SetSkinStoreCompression(true);
  engine->SetDeltaHue(-5);
  engine->OnAfterChange = {[](TObject*) {}, "EngineChanged"};
  const std::string text = Stored(*engine);
  const std::vector<std::string> order = {"DeltaHue = -5",
                                          "SkinFile = 'missing.cskn'",
                                          "SkinStore = 'Blue Steel.cskn'",
                                          "SkinStoreCompression = True",
                                          "Version = '3.1.5'",
                                          "OnAfterChange = EngineChanged",
                                          "SkinStream = {"};
  std::size_t at = 0;
  for (const std::string& line : order) {
    const std::size_t found = text.find(line, at);
    ASSERT_NE(found, std::string::npos) << line << " in order in\n" << text;
    at = found;
  }
  // The skin itself: presence byte 2, then the default filter's tag.
  EXPECT_NE(text.find("SkinStream = {\r\n    02514E5742"), std::string::npos) << text;

  // At run time the same engine shows no skin store.
  engine->SetDesigning(false);
  EXPECT_EQ(engine->SkinStore(), "(none)");
  EXPECT_EQ(engine->Version(), "3.1.5");
}

TEST_F(Engine, LookupsIgnoreCaseFallBackToTheFormKindAndAnswerNothingWhileBusy) {
  Fill(1);
  TSeSkinObject* form = engine->FindObject("Form");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(engine->FindObject("form"), form);
  EXPECT_EQ(engine->FindObject("FORM"), form);
  EXPECT_EQ(engine->FindObject("Caption"), nullptr);  // children are not top-level
  EXPECT_EQ(engine->FindFormObject(), form);
  EXPECT_EQ(engine->FindObjectByKind(TSeKind::skForm), form);
  EXPECT_EQ(engine->ObjectCount(), 3);
  EXPECT_EQ(engine->Objects(1), engine->FindObject("button"));
  EXPECT_EQ(engine->Objects(3), nullptr);
  EXPECT_EQ(engine->Objects(-1), nullptr);

  // Without "Form", the first object of kind skForm.
  form->SetName("Window");
  engine->FindObject("Extra1")->SetKind(TSeKind::skForm);
  EXPECT_EQ(engine->FindFormObject(), form);
  form->SetKind(TSeKind::skNone);
  EXPECT_EQ(engine->FindFormObject(), engine->FindObject("Extra1"));

  engine->Source()->Busy = true;
  EXPECT_EQ(engine->FindObject("Button"), nullptr);
  EXPECT_EQ(engine->FindFormObject(), nullptr);
  EXPECT_EQ(engine->FindObjectByKind(TSeKind::skForm), nullptr);
  EXPECT_EQ(engine->Objects(0), nullptr);
  EXPECT_EQ(engine->ObjectCount(), 3);
}

TEST_F(Engine, HueChangesAreAppliedAsStepsAndAnnouncedAroundTheChange) {
  Fill(1);
  const std::vector<std::uint32_t> original = Pixels(*engine->Source());
  const TColor buttonColor = engine->FindObject("Button")->Color();

  engine->SetDeltaHue(30);
  const std::vector<std::uint32_t> after30 = Shifted(original, 30);
  EXPECT_EQ(Pixels(*engine->Source()), after30);
  EXPECT_EQ(recorder.log,
            (std::vector<std::string>{"OnBeforeChange", "before", "after", "OnAfterChange"}));
  ASSERT_EQ(recorder.entries.size(), 2u);
  EXPECT_TRUE(recorder.entries[0].FormFound);  // a hue change keeps the objects reachable

  // 50 after 30 moves the pixels by another 20, not by 50 from the originals.
  engine->SetDeltaHue(50);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(after30, 20));
  EXPECT_EQ(engine->FindObject("Button")->Color(),
            ShiftHueColor(ShiftHueColor(buttonColor, 30), 20));
  EXPECT_EQ(engine->CurrentHue(), 50);
  EXPECT_EQ(engine->LastAppliedHue(), 50);
  EXPECT_EQ(recorder.entries.size(), 4u);

  // The value already applied sends nothing and shifts nothing.
  const std::vector<std::uint32_t> at50 = Pixels(*engine->Source());
  engine->SetDeltaHue(50);
  EXPECT_EQ(recorder.entries.size(), 4u);
  EXPECT_EQ(Pixels(*engine->Source()), at50);

  // Back to 0 is a step of -50 on what the pixels carry.
  engine->SetDeltaHue(0);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(at50, -50));
}

TEST_F(Engine, HueStepsBetweenExtremeValuesAreTakenModuloOneTurn) {
  Fill(1);
  TSeBitmap& bitmap = *engine->Source()->Bitmaps().Bitmaps(0);
  bitmap.SetPixel(0, 0, 0xFFFF0000u);  // pure red: hue step 0 of 255
  // 2^31 - 1 is 127 steps past whole turns: red goes to hue 127, (0, 255, 252).
  engine->SetDeltaHue(2147483647);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF00FFFCu);
  // To -5 is a step of -(2^31 + 4), -132 modulo a turn: hue 127 - 132 + 255 = 250, which is
  // (255, 0, 30). A 32-bit difference wraps by 2^32, one step off: (255, 0, 24).
  engine->SetDeltaHue(-5);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0xFFFF001Eu);
  EXPECT_EQ(engine->LastAppliedHue(), -5);
}

TEST_F(Engine, HueWithoutASkinIsKeptForTheNextFileLoad) {
  engine->SetDeltaHue(25);
  EXPECT_EQ(engine->DeltaHue(), 25);
  EXPECT_TRUE(recorder.log.empty());

  TTempDir dir;
  SaveSkin(dir.File("blue.uskn"), 4);
  TSeSkinSource plain(nullptr);
  plain.LoadFromFile(dir.File("blue.uskn"));
  engine->SetSkinFile(dir.File("blue.uskn"));
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(Pixels(plain), 25));
  // No skin was there to take away: only AfterChange.
  EXPECT_EQ(recorder.log, (std::vector<std::string>{"after", "OnAfterChange"}));
  EXPECT_TRUE(recorder.entries[0].FormFound);
}

TEST_F(Engine, TheInProgressGuardIsClearedOnEveryExit) {
  Fill(1);
  // A change asked for from inside a change is stored but not applied there.
  engine->OnBeforeChange = {[this](TObject*) { engine->SetDeltaHue(70); }};
  const std::vector<std::uint32_t> original = Pixels(*engine->Source());
  engine->SetDeltaHue(10);
  EXPECT_FALSE(engine->Changing());
  EXPECT_EQ(engine->DeltaHue(), 70);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(original, 70));
  EXPECT_EQ(recorder.entries.size(), 2u);

  // A failing handler: the error goes to the caller and the guard does not stay set.
  engine->OnBeforeChange = {[](TObject*) { throw std::runtime_error("handler failed"); }};
  EXPECT_THROW(engine->SetDeltaHue(20), std::runtime_error);
  EXPECT_FALSE(engine->Changing());
  engine->OnBeforeChange = {};
  const std::vector<std::uint32_t> before = Pixels(*engine->Source());
  // 20 is stored but the pixels still carry 70, so the same value applies now.
  engine->SetDeltaHue(20);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(before, -50));
}

TEST_F(Engine, ASkinFileReplacesTheSkinWhileLookupsAreHeldOff) {
  Fill(1);
  TTempDir dir;
  SaveSkin(dir.File("Green.CSKN"), 2);
  engine->SetSkinFile(dir.File("Green.CSKN"));
  EXPECT_EQ(Names(*engine->Source()), (std::vector<std::string>{"Form", "Button", "Extra2"}));
  EXPECT_EQ(recorder.log,
            (std::vector<std::string>{"OnBeforeChange", "before", "after", "OnAfterChange"}));
  EXPECT_FALSE(recorder.entries[0].FormFound);
  EXPECT_TRUE(recorder.entries[0].Busy);
  EXPECT_TRUE(recorder.entries[1].FormFound);
  EXPECT_FALSE(engine->Busy());
  EXPECT_EQ(engine->SkinFile(), dir.File("Green.CSKN"));

  // A bare name is also looked up in the program's folder, and the old skin stays until the
  // new one is read.
  SaveSkin(dir.File("bare_engine_test.uskn"), 5);
  SetProgramDirectory(dir.Path());
  recorder.entries.clear();
  engine->SetSkinFile("bare_engine_test.uskn");
  EXPECT_EQ(Names(*engine->Source()).back(), "Extra5");
  ASSERT_EQ(recorder.entries.size(), 2u);
  EXPECT_EQ(recorder.entries[0].Names.back(), "Extra2");

  // Shifted skins: the next file comes in shifted by the whole DeltaHue, and later steps go on
  // from there.
  engine->SetDeltaHue(30);
  TSeSkinSource plain(nullptr);
  plain.LoadFromFile(dir.File("Green.CSKN"));
  engine->SetSkinFile(dir.File("Green.CSKN"));
  const std::vector<std::uint32_t> at30 = Shifted(Pixels(plain), 30);
  EXPECT_EQ(Pixels(*engine->Source()), at30);
  engine->SetDeltaHue(50);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(at30, 20));
}

TEST_F(Engine, AFailingSkinFileKeepsThePreviousSkinAndStillAnnouncesAfterChange) {
  Fill(1);
  engine->SetDeltaHue(15);
  const std::vector<std::uint32_t> pixels = Pixels(*engine->Source());
  recorder.log.clear();
  recorder.entries.clear();

  TTempDir dir;
  SaveSkin(dir.File("whole.cskn"), 2);
  // The same skin cut short inside its compressed content.
  TMemoryStream cut;
  {
    TFileStream whole(dir.File("whole.cskn"), TFileMode::fmOpenRead);
    cut.CopyFrom(whole, whole.Size() / 2);
  }
  cut.SaveToFile(dir.File("broken.cskn"));

  EXPECT_ANY_THROW(engine->SetSkinFile(dir.File("broken.cskn")));
  EXPECT_EQ(Names(*engine->Source()), (std::vector<std::string>{"Form", "Button", "Extra1"}));
  EXPECT_EQ(Pixels(*engine->Source()), pixels);
  EXPECT_FALSE(engine->Busy());
  EXPECT_EQ(recorder.log,
            (std::vector<std::string>{"OnBeforeChange", "before", "after", "OnAfterChange"}));
  EXPECT_TRUE(recorder.entries[1].FormFound);
  // The hue the pixels carry is unchanged, so later steps stay right.
  engine->SetDeltaHue(20);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(pixels, 5));

  // Without a skin before, a failing file still ends with AfterChange.
  auto other = std::make_unique<TSeSkinEngine>(nullptr);
  TRecorder otherRecorder;
  other->SetBroadcaster(&otherRecorder);
  EXPECT_ANY_THROW(other->SetSkinFile(dir.File("broken.cskn")));
  EXPECT_EQ(otherRecorder.log, (std::vector<std::string>{"after"}));
  EXPECT_EQ(other->ObjectCount(), 0);
}

TEST_F(Engine, AMissingFileOrUnknownExtensionTakesTheSkinAwayWithoutAnError) {
  TTempDir dir;
  SaveSkin(dir.File("odd.skin"), 2);
  for (const std::string& name : {dir.File("absent.cskn"), dir.File("odd.skin")}) {
    Fill(1);
    recorder.log.clear();
    EXPECT_NO_THROW(engine->SetSkinFile(name));
    EXPECT_EQ(engine->ObjectCount(), 0) << name;
    EXPECT_FALSE(engine->Busy());
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"OnBeforeChange", "before", "after", "OnAfterChange"}));
  }

  // Designing, a file name only clears the skin; nothing is announced.
  Fill(1);
  recorder.log.clear();
  engine->SetDesigning(true);
  engine->SetSkinFile("");
  EXPECT_EQ(engine->ObjectCount(), 3);
  SaveSkin(dir.File("design.cskn"), 2);
  engine->SetSkinFile(dir.File("design.cskn"));
  EXPECT_EQ(engine->ObjectCount(), 0);
  EXPECT_TRUE(recorder.log.empty());
}

TEST_F(Engine, AWindowDefinitionLoadsTheSkinQuietlyAndClearsTheFileName) {
  // Written with a file name (kept while designing), a stored hue of 40 and a skin.
  auto writer = std::make_unique<TSeSkinEngine>(nullptr);
  writer->SetName("SeSkinEngine1");
  writer->SetDesigning(true);
  writer->SetSkinFile("somewhere_else.cskn");
  writer->SetDeltaHue(40);
  EngineTestSkin::Fill(*writer->Source(), 6);
  const std::vector<std::uint32_t> unshifted = Pixels(*writer->Source());
  TMemoryStream definition;
  TWriter(definition).WriteRootComponent(*writer);

  std::vector<std::string> seen;
  engine->OnAfterChange = {
      [&](TObject*) { seen.push_back(engine->FindFormObject() ? "skin" : "none"); }};
  definition.SetPosition(0);
  TReader(definition).ReadRootComponent(engine.get());
  EXPECT_EQ(engine->SkinFile(), "");
  EXPECT_EQ(Names(*engine->Source()), Names(*writer->Source()));
  // The stored hue is not applied to a skin read from the definition...
  EXPECT_EQ(engine->DeltaHue(), 40);
  EXPECT_EQ(Pixels(*engine->Source()), unshifted);
  // ...the missing file's load announced AfterChange with no skin; the loading step
  // announces the skin to OnAfterChange once more.
  EXPECT_EQ(seen, (std::vector<std::string>{"none", "skin"}));
  EXPECT_EQ(std::count(recorder.log.begin(), recorder.log.end(), "before"), 0);

  // Assigning the same value again applies it, since the pixels do not carry it yet.
  engine->SetDeltaHue(40);
  EXPECT_EQ(Pixels(*engine->Source()), Shifted(unshifted, 40));

  // A stored "no skin" byte leaves the skin and the file name alone.
  auto empty = std::make_unique<TSeSkinEngine>(nullptr);
  empty->SetName("SeSkinEngine1");
  TMemoryStream none;
  TWriter(none).WriteRootComponent(*empty);
  none.SetPosition(0);
  TReader(none).ReadRootComponent(engine.get());
  EXPECT_EQ(engine->ObjectCount(), 3);
}

// Engines that read the same stored skin share one copy of it until one of them shifts its hue:
// that one's pixels change, the others' stay as stored, and an engine reading the skin later
// gets it as stored, whoever shifted meanwhile.
TEST(SharedSkin, EnginesReadingTheSameSkinShareItUntilOneShiftsItsHue) {
  RegisterSkinEngineClass();
  TSeSkinEngine writer(nullptr);
  writer.SetName("SeSkinEngine1");
  EngineTestSkin::Fill(*writer.Source(), 11);
  const std::vector<std::uint32_t> stored = Pixels(*writer.Source());
  TMemoryStream definition;
  TWriter(definition).WriteRootComponent(writer);
  TRecorder recorder;
  const auto read = [&] {
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    engine->SetBroadcaster(&recorder);
    definition.SetPosition(0);
    TReader(definition).ReadRootComponent(engine.get());
    return engine;
  };
  const auto firstBitmap = [](const TSeSkinEngine& engine) {
    return static_cast<const TSeSkinSource&>(*engine.Source()).Bitmaps().Bitmaps(0);
  };

  auto a = read();
  auto b = read();
  EXPECT_TRUE(a->Source()->SharesContent());
  EXPECT_EQ(firstBitmap(*a), firstBitmap(*b));
  EXPECT_EQ(Names(*b->Source()), Names(*writer.Source()));

  a->SetDeltaHue(40);
  EXPECT_EQ(Pixels(*a->Source()), Shifted(stored, 40));
  EXPECT_EQ(Pixels(*b->Source()), stored);
  EXPECT_FALSE(b->Source()->SharesContent());
  EXPECT_NE(firstBitmap(*a), firstBitmap(*b));
  EXPECT_EQ(Names(*a->Source()), Names(*writer.Source()));

  // b holds the stored skin alone: shifting it changes it in place, and lends it no more.
  b->SetDeltaHue(-30);
  EXPECT_EQ(Pixels(*b->Source()), Shifted(stored, -30));
  auto c = read();
  EXPECT_EQ(Pixels(*c->Source()), stored);
  EXPECT_FALSE(c->Source()->SharesContent());
  EXPECT_EQ(Pixels(*a->Source()), Shifted(stored, 40));

  // A skin read from other bytes is never taken for this one.
  TSeSkinEngine other(nullptr);
  other.SetName("SeSkinEngine1");
  EngineTestSkin::Fill(*other.Source(), 12);
  TMemoryStream otherDefinition;
  TWriter(otherDefinition).WriteRootComponent(other);
  TSeSkinEngine d(nullptr);
  d.SetBroadcaster(&recorder);
  otherDefinition.SetPosition(0);
  TReader(otherDefinition).ReadRootComponent(&d);
  EXPECT_EQ(Pixels(*d.Source()), Pixels(*other.Source()));
  EXPECT_FALSE(c->Source()->SharesContent());

  // Clearing a shared skin leaves the other engine's whole.
  auto e = read();
  ASSERT_TRUE(e->Source()->SharesContent());
  e->Source()->ClearSkin();
  EXPECT_EQ(e->ObjectCount(), 0);
  EXPECT_EQ(Pixels(*c->Source()), stored);
  EXPECT_EQ(c->ObjectCount(), 3);
}

// A client that asks its engine what clients ask when told that the engine goes.
class TRemovalProbe : public TComponent {
 public:
  struct Seen {
    int Told = 0;
    bool Whole = false;
    bool Found = true;
    bool Busy = false;
  };
  TRemovalProbe(TComponent* owner, TSeSkinEngine* engine, Seen& seen)
      : TComponent(owner), Engine(engine), seen_(seen) {}
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || Engine == nullptr || component != Engine) return;
    ++seen_.Told;
    // Still an engine, not a base part left behind by a destructor that has run.
    seen_.Whole = dynamic_cast<TSeSkinEngine*>(component) != nullptr;
    seen_.Found = Engine->FindObject("Form") != nullptr;
    seen_.Busy = Engine->Busy();
    Engine = nullptr;
  }
  TSeSkinEngine* Engine;

 private:
  Seen& seen_;
};

TEST(EngineRemoval, ClientsAreToldWhileTheEngineAndItsSkinAreWhole) {
  RegisterSkinEngineClass();
  // A client beside the engine on its form, one on another form linked by FreeNotification,
  // and one made before the engine on a form that is destroyed whole (the engine, made last,
  // goes first).
  TComponent form(nullptr), otherForm(nullptr), thirdForm(nullptr);
  TRemovalProbe::Seen beside, across, earlier;
  auto* engine = new TSeSkinEngine(&form);
  EngineTestSkin::Fill(*engine->Source(), 1);
  new TRemovalProbe(&form, engine, beside);
  engine->FreeNotification(new TRemovalProbe(&thirdForm, engine, across));
  delete engine;
  EXPECT_EQ(form.ComponentCount(), 1);

  TRemovalProbe* first = new TRemovalProbe(&otherForm, nullptr, earlier);
  auto* last = new TSeSkinEngine(&otherForm);
  EngineTestSkin::Fill(*last->Source(), 2);
  first->Engine = last;
  otherForm.DestroyComponents();

  for (const TRemovalProbe::Seen* seen : {&beside, &across, &earlier}) {
    EXPECT_EQ(seen->Told, 1);
    EXPECT_TRUE(seen->Whole);
    // A going engine lends nothing more.
    EXPECT_FALSE(seen->Found);
    EXPECT_TRUE(seen->Busy);
  }
}

}  // namespace
