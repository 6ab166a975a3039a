#include "app/TForm1.h"

#include "app/AnsiTextFile.h"
#include "app/TForm2.h"
#include "framework/core/ReplaceFile.h"
#include "framework/core/TAnsiCodePage.h"
#include "framework/core/UnicodeText.h"
#include "framework/ui/TMemo.h"
#include "framework/ui/TSaveDialog.h"
#include "framework/ui/WideText.h"
#include "skin/controls/TSeSkinButton.h"
#include "skin/controls/TSeSkinEdit.h"
#include "skin/controls/win/TSeSkinPageControl.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  LoadDefinitionFromResource(L"TForm1");
}

void TForm1::DeclareProperties(TPropertyBuilder<TForm1>& p) {
  p.Method("SeSkinButton1Click", &TForm1::SeSkinButton1Click);
  p.Method("SeSkinButton2Click", &TForm1::SeSkinButton2Click);
  p.Method("SeSkinButton3Click", &TForm1::SeSkinButton3Click);
  p.Method("SeSkinButton4Click", &TForm1::SeSkinButton4Click);
  p.Method("SeSkinButton5Click", &TForm1::SeSkinButton5Click);
  p.Method("SeSkinButton6Click", &TForm1::SeSkinButton6Click);
  p.Method("SeSkinButton7Click", &TForm1::SeSkinButton7Click);
  p.Method("SeSkinButton8Click", &TForm1::SeSkinButton8Click);
  p.Method("SeSkinButton9Click", &TForm1::SeSkinButton9Click);
  p.Method("SeSkinButton10Click", &TForm1::SeSkinButton10Click);
  p.Method("SeSkinButton11Click", &TForm1::SeSkinButton11Click);
  p.Method("SeSkinButton12Click", &TForm1::SeSkinButton12Click);
  p.Method("SeSkinButton13Click", &TForm1::SeSkinButton13Click);
  p.Field("SeSkinPageControl1", &TForm1::SeSkinPageControl1);
  p.Field("SeSkinEdit3", &TForm1::SeSkinEdit3);
  p.Field("SeSkinEdit4", &TForm1::SeSkinEdit4);
  p.Field("SeSkinEdit5", &TForm1::SeSkinEdit5);
  p.Field("SeSkinEdit8", &TForm1::SeSkinEdit8);
  p.Field("SeSkinEdit13", &TForm1::SeSkinEdit13);
  p.Field("SeSkinEdit14", &TForm1::SeSkinEdit14);
  p.Field("SeSkinEdit15", &TForm1::SeSkinEdit15);
  p.Field("SeSkinButton1", &TForm1::SeSkinButton1);
  p.Field("SeSkinButton5", &TForm1::SeSkinButton5);
  p.Field("SeSkinButton9", &TForm1::SeSkinButton9);
  p.Field("SeSkinMemo1", &TForm1::SeSkinMemo1);
  p.Field("SeSkinMemo2", &TForm1::SeSkinMemo2);
  p.Field("SeSkinMemo3", &TForm1::SeSkinMemo3);
  p.Field("SaveDialog1", &TForm1::SaveDialog1);
}

namespace {

std::u16string EditText(TSeSkinEdit* edit) {
  return edit ? ToUtf16(edit->Text()) : std::u16string();
}

}  // namespace

void TForm1::Generate(TSnippetKind kind, TSeSkinEdit* email, TSeSkinEdit* returnUrl,
                      TSeSkinEdit* cancelUrl, TMemo* memo, TSeSkinButton* button) {
  TSnippetInput input;
  input.MerchantEmail = EditText(email);
  input.ReturnUrl = EditText(returnUrl);
  input.CancelUrl = EditText(cancelUrl);
  const TAnsiCodePage& codePage = TAnsiCodePage::System();
  for (const std::string& line : GenerateSnippet(kind, input, codePage))
    memo->Lines().Add(codePage.Decode(line));
  button->SetEnabled(false);
}

void TForm1::ClearTab(TMemo* memo, TSeSkinButton* button) {
  button->SetEnabled(true);
  memo->Clear();
}

void TForm1::CopyMemo(TMemo* memo) {
  memo->SelectAll();
  memo->CopyToClipboard();
}

void TForm1::SaveMemo(TMemo* memo) {
  if (!SaveDialog1->Execute()) return;
  WriteFileReplacing(UnicodeText::ToUtf8(ToUtf16(SaveDialog1->FileName)),
                     AnsiTextFileBytes(memo->Lines(), TAnsiCodePage::System()));
}

void TForm1::SeSkinButton1Click(TObject*) {
  Generate(TSnippetKind::snSingleItem, SeSkinEdit5, SeSkinEdit3, SeSkinEdit4, SeSkinMemo1,
           SeSkinButton1);
}
void TForm1::SeSkinButton5Click(TObject*) {
  Generate(TSnippetKind::snShoppingCart, SeSkinEdit8, nullptr, nullptr, SeSkinMemo2, SeSkinButton5);
}
void TForm1::SeSkinButton9Click(TObject*) {
  Generate(TSnippetKind::snSubscription, SeSkinEdit15, SeSkinEdit13, SeSkinEdit14, SeSkinMemo3,
           SeSkinButton9);
}

void TForm1::SeSkinButton4Click(TObject*) {
  ClearTab(SeSkinMemo1, SeSkinButton1);
}
void TForm1::SeSkinButton6Click(TObject*) {
  ClearTab(SeSkinMemo2, SeSkinButton5);
}
void TForm1::SeSkinButton10Click(TObject*) {
  ClearTab(SeSkinMemo3, SeSkinButton9);
}

void TForm1::SeSkinButton2Click(TObject*) {
  CopyMemo(SeSkinMemo1);
}
void TForm1::SeSkinButton7Click(TObject*) {
  CopyMemo(SeSkinMemo2);
}
void TForm1::SeSkinButton11Click(TObject*) {
  CopyMemo(SeSkinMemo3);
}

void TForm1::SeSkinButton3Click(TObject*) {
  SaveMemo(SeSkinMemo1);
}
void TForm1::SeSkinButton8Click(TObject*) {
  SaveMemo(SeSkinMemo2);
}
void TForm1::SeSkinButton12Click(TObject*) {
  SaveMemo(SeSkinMemo3);
}

void TForm1::SeSkinButton13Click(TObject*) {
  // Shown first, so that its activation (and with it the navigation) comes before the caption.
  Form2->Show();
  Form2->SetCaption(L"Create Quillmar Account Form");
}
