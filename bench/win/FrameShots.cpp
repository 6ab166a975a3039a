// Shows a skinned window (the program's skin) in one state and holds it there, so that a
// picture of the screen can be taken from outside: frame_shots STATE [HOLD_MS], STATE one of
// active, inactive, maximized, rolled-up, system-menu. See shots.sh.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/ui/TApplication.h"
#include "framework/ui/TForm.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/win/TSeSkinForm.h"
#include "skin/forms/win/TSeSkinPopupMenu.h"

namespace {

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Application->ProcessMessages();
    Sleep(10);
  }
}

// Closes the system menu once the picture is taken.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (const HWND popup = FindWindowW(TSeSkinPopupMenu::kWindowClass, nullptr))
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string state = argc > 1 ? argv[1] : "active";
  const DWORD hold = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 3000;
  TForm form(nullptr);
  form.SetBounds(40, 40, 400, 300);
  form.SetCaption(L"Quillmar skin test");
  auto* engine = new TSeSkinEngine(&form);
  engine->SetSkinFile(QM_PROGRAM_SKIN_FILE);
  auto* frame = new TSeSkinForm(&form);
  frame->SetSkinEngine(engine);
  frame->Loaded();
  form.Show();
  SetForegroundWindow(form.Handle());
  PumpFor(300);

  // Another window takes the activation for the inactive picture.
  TForm other(nullptr);
  if (state == "inactive") {
    other.SetBounds(520, 40, 200, 120);
    other.SetCaption(L"Other window");
    other.Show();
    SetForegroundWindow(other.Handle());
  } else if (state == "maximized") {
    frame->DoMaximize();
  } else if (state == "rolled-up") {
    frame->DoRollup();
  }
  PumpFor(300);
  std::printf("ready %s\n", state.c_str());
  std::fflush(stdout);
  if (state == "system-menu") {
    // The menu runs its own loop until the timer closes it.
    SetTimer(nullptr, 0, hold, CloseMenu);
    PostMessageW(form.Handle(), WM_SYSKEYDOWN, VK_SPACE, 0x20390001);
    PumpFor(hold + 300);
  } else {
    PumpFor(hold);
  }
  return 0;
}
