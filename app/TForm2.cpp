#include "app/TForm2.h"

#include "framework/ui/TWebBrowser.h"
#include "framework/ui/WideText.h"
#include "generator/SnippetGenerator.h"

TForm2* Form2 = nullptr;

std::wstring SignUpAddress() {
  return L"http://" + WideFromUtf8(std::string(kPaymentServiceHost)) + L"/?" +
         WideFromUtf8(std::string(kReferralNumber)) + L"&soft";
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  LoadDefinitionFromResource(L"TForm2");
}

void TForm2::DeclareProperties(TPropertyBuilder<TForm2>& p) {
  p.Method("FormActivate", &TForm2::FormActivate);
  p.Field("WebBrowser1", &TForm2::WebBrowser1);
}

void TForm2::FormActivate(TObject*) {
  WebBrowser1->Navigate(SignUpAddress());
}
