// A window definition authored in text form, compiled by the build's converter into the stored
// binary form, linked as a resource and loaded into a real window: everything it holds must
// arrive, wired, before Loaded runs once.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "framework/core/ObjectText.h"
#include "framework/core/TClassRegistry.h"
#include "framework/core/TFiler.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStream.h"
#include "framework/ui/FrameworkClasses.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TForm.h"
#include "framework/ui/TLabel.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TPanel.h"
#include "framework/ui/TPopupMenu.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace {

// A component with a property that only a binary block can carry.
class TDefinitionBlob : public TComponent {
  QM_CLASS(TDefinitionBlob, TComponent)

 public:
  explicit TDefinitionBlob(TComponent* owner) : TComponent(owner) {}
  static void DeclareProperties(TPropertyBuilder<TDefinitionBlob>&) {}
  void DefineProperties(TFiler& filer) override {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
          data.resize(static_cast<std::size_t>(s.Remaining()));
          s.ReadBuffer(data.data(), data.size());
        },
        [this](TStream& s) { s.WriteBuffer(data.data(), data.size()); }, !data.empty());
  }
  void Loaded() override {
    TComponent::Loaded();
    ++loadedCount;
    dataAtLoaded = data.size();
  }

  std::vector<std::uint8_t> data;
  int loadedCount = 0;
  std::size_t dataAtLoaded = 0;
};

// The form whose published method the definition's OnClick names.
class TDefinitionTestForm : public TForm {
  QM_CLASS(TDefinitionTestForm, TForm)

 public:
  explicit TDefinitionTestForm(TComponent* owner) : TForm(owner) {}
  static void DeclareProperties(TPropertyBuilder<TDefinitionTestForm>& p) {
    p.Method("Button1Click", &TDefinitionTestForm::Button1Click);
  }
  void Button1Click(TObject* sender) {
    ++clicks;
    lastSender = sender;
  }
  void Loaded() override {
    TForm::Loaded();
    ++loadedCount;
    auto* memo = ObjectAs<TMemo>(FindComponent("Memo1"));
    popupAtLoaded = memo ? memo->PopupMenu() : nullptr;
    linesAtLoaded = memo ? memo->Lines().Count() : -1;
  }

  int clicks = 0;
  TObject* lastSender = nullptr;
  int loadedCount = 0;
  TPopupMenu* popupAtLoaded = nullptr;
  std::int32_t linesAtLoaded = -1;
};

class Definitions : public UiTest {};

TEST_F(Definitions, TheCompiledDefinitionArrivesWholeInARealWindow) {
  RegisterFrameworkClasses();
  TClassRegistry::Global().Register<TDefinitionTestForm>();
  TClassRegistry::Global().Register<TDefinitionBlob>();

  std::unique_ptr<TDefinitionTestForm> form(new TDefinitionTestForm(nullptr));
  ASSERT_TRUE(form->LoadDefinitionFromResource(L"TDefinitionTestForm"));
  EXPECT_EQ(form->loadedCount, 1);
  EXPECT_EQ(form->Name(), "DefinitionForm");
  EXPECT_EQ(form->Caption(), L"Definition \u2022 test");
  EXPECT_EQ(form->ClientWidth(), 420);
  EXPECT_EQ(form->ClientHeight(), 260);

  // Nested windowed and windowless controls, parented as stored.
  auto* panel = ObjectAs<TPanel>(form->FindComponent("Panel1"));
  auto* label = ObjectAs<TLabel>(form->FindComponent("Label1"));
  auto* memo = ObjectAs<TMemo>(form->FindComponent("Memo1"));
  auto* button = ObjectAs<TButton>(form->FindComponent("Button1"));
  auto* popup = ObjectAs<TPopupMenu>(form->FindComponent("PopupMenu1"));
  auto* blob = ObjectAs<TDefinitionBlob>(form->FindComponent("Blob1"));
  ASSERT_TRUE(panel && label && memo && button && popup && blob);
  EXPECT_EQ(panel->Parent(), form.get());
  EXPECT_EQ(label->Parent(), panel);
  EXPECT_EQ(memo->Parent(), panel);
  EXPECT_EQ(label->Caption(), L"Item Name");
  EXPECT_EQ(memo->Left(), 8);
  EXPECT_EQ(memo->Top(), 32);
  EXPECT_EQ(button->Width(), 120);

  // The string list, with characters beyond ASCII.
  ASSERT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Lines()[0], u"first line");
  EXPECT_EQ(memo->Lines()[1], u"caf\u00e9 \u20ac");

  // A reference to a component stored after the one that names it, resolved before Loaded.
  EXPECT_EQ(memo->PopupMenu(), popup);
  EXPECT_EQ(form->popupAtLoaded, popup);
  EXPECT_EQ(form->linesAtLoaded, 2);

  // The custom binary property, read before its component's Loaded, which ran once.
  EXPECT_EQ(blob->data, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10, 0x20, 0x7F}));
  EXPECT_EQ(blob->loadedCount, 1);
  EXPECT_EQ(blob->dataAtLoaded, 5u);

  // The event bound by name fires from a real click of the real button.
  form->Show();
  Pump();
  ASSERT_TRUE(IsWindowVisible(memo->Handle()));
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(form->lastSender, button);
}

TEST_F(Definitions, TheLinkedBinaryFormTurnsBackIntoTheAuthoredText) {
  HRSRC info = FindResourceW(nullptr, L"TDEFINITIONTESTFORM", MAKEINTRESOURCEW(10));
  ASSERT_NE(info, nullptr);
  const void* bytes = LockResource(LoadResource(nullptr, info));
  TReadOnlyMemoryStream binary(bytes, SizeofResource(nullptr, info));
  TMemoryStream text;
  ObjectBinaryToText(binary, text);

  std::ifstream authored(QM_DEFINITION_TEXT, std::ios::binary);
  std::stringstream expected;
  expected << authored.rdbuf();
  EXPECT_EQ(std::string(text.Bytes().begin(), text.Bytes().end()), expected.str());
}

}  // namespace
