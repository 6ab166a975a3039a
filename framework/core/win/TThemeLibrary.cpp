#include "framework/core/win/TThemeLibrary.h"

namespace {

template <class F>
void LookUp(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TThemeLibrary Load() {
  TThemeLibrary library;
  // Kept loaded for the process: theme handles may be closed until the very end.
  const HMODULE module = LoadLibraryW(L"uxtheme.dll");
  if (!module) return library;
  LookUp(module, "OpenThemeData", library.OpenThemeData);
  LookUp(module, "CloseThemeData", library.CloseThemeData);
  LookUp(module, "IsThemeActive", library.IsThemeActive);
  LookUp(module, "DrawThemeBackground", library.DrawThemeBackground);
  LookUp(module, "GetThemeBackgroundRegion", library.GetThemeBackgroundRegion);
  return library;
}

}  // namespace

const TThemeLibrary& ThemeLibrary() {
  static const TThemeLibrary library = Load();
  return library;
}
