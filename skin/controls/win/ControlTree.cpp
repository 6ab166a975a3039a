#include "skin/controls/win/ControlTree.h"

#include "framework/core/win/Handles.h"
#include "framework/core/win/TThemeLibrary.h"
#include "framework/ui/TCustomForm.h"

TCustomForm* ParentFormOf(TControl& control) {
  for (TControl* c = control.Parent(); c; c = c->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

bool StylesActive(HWND window, const wchar_t* themeClass) {
  const TThemeLibrary& library = ThemeLibrary();
  if (!library.IsThemeActive || !library.IsThemeActive() || !library.DrawThemeBackground)
    return false;
  return static_cast<bool>(Handles::OpenTheme(window, themeClass));
}
