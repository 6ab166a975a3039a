#pragma once

// The sign-up window: the payment service's sign-up page in the platform's web browser,
// loaded again every time the window becomes active. Stored definition: resource TFORM2.

#include <string>

#include "framework/ui/TForm.h"

class TWebBrowser;

class TForm2 : public TForm {
  QM_CLASS(TForm2, TForm)

 public:
  explicit TForm2(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TForm2>& p);

  void FormActivate(TObject* sender);

  TWebBrowser* WebBrowser1 = nullptr;
};

// "http://" + the payment service host + "/?" + the referral number + "&soft".
std::wstring SignUpAddress();

extern TForm2* Form2;
