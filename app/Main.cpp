// Quillmar: start-up. The application first, then the main window (created first, so it is
// the main form), then the sign-up window, hidden; the loop runs until the main window closes.
#include <windows.h>

#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/core/TClassRegistry.h"
#include "framework/ui/TApplication.h"
#include "skin/controls/SkinControls.h"
#include "skin/forms/win/TSeSkinForm.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  RegisterSkinControls();
  RegisterSkinFormClass();
  TClassRegistry::Global().Register<TForm1>();
  TClassRegistry::Global().Register<TForm2>();

  Application->Initialize();
  Application->SetTitle(L"Quillmar Shopping Cart 1.0");
  Application->Icon().LoadFromResourceName(instance, L"MAINICON");
  try {
    Form1 = Application->CreateForm<TForm1>();
    Form2 = Application->CreateForm<TForm2>();
  } catch (...) {
    // A window that cannot be built is the end of the program: say why, then stop.
    Application->HandleException(std::current_exception());
    return 1;
  }
  for (TCustomForm* form : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2)}) {
    form->Icon().LoadFromResourceName(instance, L"MAINICON");
    form->IconChanged();
  }
  Application->Run();
  return 0;
}
