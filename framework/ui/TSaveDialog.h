#pragma once

// The platform's Save dialog as a component. Filter is "text|patterns|text|patterns...",
// DefaultExt is appended by the platform when the user types no extension.

#include <windows.h>

#include <string>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TSet.h"

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofNoReadOnlyReturn,
  ofEnableSizing
};
using TOpenOptions = TSet<TOpenOption>;
const TEnumInfo& OpenOptionInfo();

class TSaveDialog : public TComponent {
  QM_CLASS(TSaveDialog, TComponent)

 public:
  explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}
  static void DeclareProperties(TPropertyBuilder<TSaveDialog>& p);

  std::wstring DefaultExt;
  std::wstring Filter;
  std::int32_t FilterIndex = 1;
  std::wstring FileName;
  std::wstring InitialDir;
  std::wstring Title;
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

  // Runs the dialog; true when the user confirmed (FileName then holds the chosen path).
  bool Execute();
  // The platform's filter string: the pairs separated and ended by NUL characters.
  static std::wstring PlatformFilter(const std::wstring& filter);
};
