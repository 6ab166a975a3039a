// The program's two windows built from their stored definitions, as start-up builds them: what
// they must show (skinned frames and controls, plain labels, the first page) and what the
// handlers do to them. The user's view through real input is the end-to-end tests' part.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "app/AnsiTextFile.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/core/TClassRegistry.h"
#include "framework/core/TStringList.h"
#include "framework/core/TWindows1252CodePage.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TSaveDialog.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/TWebBrowser.h"
#include "skin/controls/win/SkinControls.h"
#include "skin/controls/win/TSeCustomControl.h"
#include "skin/controls/win/TSeCustomLabel.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeGraphicControl.h"
#include "skin/controls/win/TSeSkinButton.h"
#include "skin/controls/win/TSeSkinEdit.h"
#include "skin/controls/win/TSeSkinMemo.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/forms/win/TSeSkinForm.h"
#include "tests/support/TextInk.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Every line ends with CR LF, the last one too; no byte-order mark; one '?' per character the
// code page lacks (a surrogate pair is one character).
TEST(AnsiTextFile, LinesAsTheSavedFileHoldsThem) {
  const TWindows1252CodePage& cp1252 = TWindows1252CodePage::Instance();
  struct Case {
    std::vector<std::u16string> lines;
    std::string bytes;
  };
  for (const Case& c : {
           Case{{}, ""},
           Case{{u""}, "\r\n"},
           Case{{u"<form>", u"", u"</form>"}, "<form>\r\n\r\n</form>\r\n"},
           Case{{u"\u20ac caf\u00e9 \u2019"}, "\x80 caf\xe9 \x92\r\n"},
           Case{{u"\u03a9 \U0001F600."}, "? ?.\r\n"},
       }) {
    TStringList lines;
    for (const auto& line : c.lines) lines.Add(line);
    EXPECT_EQ(AnsiTextFileBytes(lines, cp1252), Bytes(c.bytes)) << c.bytes;
  }
}

class ProgramWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterSkinControls();
    RegisterSkinFormClass();
    TClassRegistry::Global().Register<TForm1>();
    TClassRegistry::Global().Register<TForm2>();
  }
  void SetUp() override {
    Application->ShowErrorBox = [this](const std::wstring&, const std::wstring& text) {
      errors.push_back(text);
    };
    form1.reset(new TForm1(nullptr));
    form2.reset(new TForm2(nullptr));
    Form1 = form1.get();
    Form2 = form2.get();
  }
  void TearDown() override {
    Form1 = nullptr;
    Form2 = nullptr;
    form2.reset();
    form1.reset();
  }
  template <class T>
  T* Find(TComponent* form, const std::string& name) {
    T* found = ObjectAs<T>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  std::vector<std::wstring> errors;
};

TEST_F(ProgramWindows, BothWindowsAreSkinnedExceptTheLabelsAndStartOnCreateAccount) {
  EXPECT_EQ(form1->Caption(), L"Quillmar Shopping Cart 1.0");
  EXPECT_EQ(form2->Caption(), L"Form2");
  for (TComponent* form :
       {static_cast<TComponent*>(form1.get()), static_cast<TComponent*>(form2.get())}) {
    auto* frame = Find<TSeSkinForm>(form, "SeSkinForm1");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsSkinned());
  }
  auto* pages = Find<TSeSkinPageControl>(form1.get(), "SeSkinPageControl1");
  ASSERT_NE(pages, nullptr);
  ASSERT_NE(pages->ActivePage(), nullptr);
  EXPECT_EQ(pages->ActivePage()->Name(), "SeSkinTabSheet4");

  // Every control but the labels draws from the skin; of the labels only the first five name
  // the engine, and none finds a skin object.
  int skinned = 0, labels = 0;
  for (TComponent* form :
       {static_cast<TComponent*>(form1.get()), static_cast<TComponent*>(form2.get())}) {
    for (std::int32_t i = 0; i < form->ComponentCount(); ++i) {
      TComponent* c = form->Components(i);
      const std::string& name = c->Name();
      if (auto* label = ObjectAs<TSeGraphicControl>(c)) {
        ++labels;
        const int number = std::stoi(name.substr(std::string("SeSkinLabel").size()));
        EXPECT_EQ(label->SkinEngine() != nullptr, form == form1.get() && number <= 5) << name;
        EXPECT_FALSE(label->IsSkinActive()) << name;
      } else if (auto* memo = ObjectAs<TSeSkinMemo>(c)) {
        ++skinned;
        EXPECT_TRUE(memo->IsSkinActive()) << name;
      } else if (auto* control = ObjectAs<TSeCustomControl>(c)) {
        ++skinned;
        EXPECT_TRUE(control->IsSkinActive()) << name;
      }
    }
  }
  EXPECT_EQ(labels, 20);
  // 15 edits, 13 buttons, 4 memos, 7 group boxes, the page control, the panel.
  EXPECT_EQ(skinned, 15 + 13 + 4 + 7 + 1 + 1);

  auto* save = Find<TSaveDialog>(form1.get(), "SaveDialog1");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->DefaultExt, L"html");
  EXPECT_TRUE(save->Options.Contains(ofOverwritePrompt));
  EXPECT_TRUE(errors.empty());
}

// The labels on the pages write in the window's font, except the hint and the fourth page's
// title; an auto-sized label is as large as its caption measured in that font, so no letter is
// cut off at any screen resolution: it covers every pixel its text inks, which with a hinted
// stand-in font may lie a pixel or two past the advance widths DrawText measures.
TEST_F(ProgramWindows, LabelsWriteInTheWindowsFontAndFitTheirCaptions) {
  int autoSized = 0;
  for (std::int32_t i = 0; i < form1->ComponentCount(); ++i) {
    auto* label = ObjectAs<TSeCustomLabel>(form1->Components(i));
    if (!label) continue;
    const std::wstring caption = label->Caption();
    // The window's stored font, MS Sans Serif 13 pixels high at 120 pixels per inch: the skin
    // form gives the window itself the skin's font once loaded, the labels keep this one.
    if (label->Name() != "SeSkinLabel5" && label->Name() != "SeSkinLabel20") {
      EXPECT_EQ(label->Font().Name(), "MS Sans Serif") << label->Name();
      EXPECT_EQ(label->Font().Height(), MulDiv(-13, Screen->PixelsPerInch(), 120)) << label->Name();
    }
    if (!label->AutoSize() || label->WordWrap()) continue;
    ++autoSized;
    const RECT text = MeasuredText(label->FontHandle(), caption);
    EXPECT_GE(label->Width(), text.right) << label->Name();
    EXPECT_LE(label->Width(), text.right + text.bottom) << label->Name();
    EXPECT_LT(LastInkedColumn(label->FontHandle(), caption, text), label->Width()) << label->Name();
    EXPECT_EQ(label->Height(), text.bottom) << label->Name();
  }
  // "Item Name", "Item Price", "Return Url", "Cancel Url" twice over, the three headings over
  // the memos, "Subscription Name" and the other word-wrapped ones of the third page excluded.
  EXPECT_GE(autoSized, 10);
}

TEST_F(ProgramWindows, GenerateAppendsOnceClearStartsAgain) {
  auto* memo = Find<TMemo>(form1.get(), "SeSkinMemo2");
  auto* email = Find<TSeSkinEdit>(form1.get(), "SeSkinEdit8");
  auto* generate = Find<TSeSkinButton>(form1.get(), "SeSkinButton5");
  ASSERT_TRUE(memo && email && generate);
  memo->Lines().Add(u"typed");
  email->SetText(L"a&b@shop.example");
  form1->SeSkinButton5Click(generate);
  ASSERT_EQ(memo->Lines().Count(), 1 + 5);
  EXPECT_EQ(memo->Lines()[0], u"typed");
  EXPECT_EQ(memo->Lines()[3], u"<input type=hidden name=user value=\"a&amp;b@shop.example\">");
  EXPECT_EQ(memo->Lines()[5], u"</form>");
  EXPECT_FALSE(generate->Enabled());

  form1->SeSkinButton6Click(nullptr);
  EXPECT_TRUE(generate->Enabled());
  EXPECT_EQ(memo->Lines().Count(), 0);
}

TEST_F(ProgramWindows, CreateShowsTheSignUpWindowWhichNavigatesBeforeItsCaptionChanges) {
  auto* browser = Find<TWebBrowser>(form2.get(), "WebBrowser1");
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(SignUpAddress(), L"http://www.quillmar.example/?10362&soft");
  std::wstring captionAtActivation;
  const TNotifyEvent navigate = form2->OnActivate;
  ASSERT_TRUE(static_cast<bool>(navigate));
  form2->OnActivate = TNotifyEvent([&](TObject* sender) {
    captionAtActivation = form2->Caption();
    navigate(sender);
  });
  form1->Show();
  form1->SeSkinButton13Click(nullptr);
  for (int i = 0; i < 3; ++i) Application->ProcessMessages();
  EXPECT_TRUE(form2->Visible());
  EXPECT_EQ(browser->LastNavigatedUrl(), SignUpAddress());
  EXPECT_EQ(captionAtActivation, L"Form2");
  EXPECT_EQ(form2->Caption(), L"Create Quillmar Account Form");
}

}  // namespace
