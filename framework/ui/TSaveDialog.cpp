#include "framework/ui/TSaveDialog.h"

#include <commdlg.h>

#include <vector>

#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/UiErrors.h"
#include "framework/ui/WideText.h"

const TEnumInfo& OpenOptionInfo() {
  static const TEnumInfo info{
      "TOpenOption",
      {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofPathMustExist",
       "ofFileMustExist", "ofCreatePrompt", "ofNoReadOnlyReturn", "ofEnableSizing"}};
  return info;
}

namespace {

// The common dialogs' library is loaded when a Save dialog is first shown, not with the
// program: it brings more libraries with it (the print spooler's among them), under Wine some
// 15-30 ms of every start, and most runs never save a file.
using TGetSaveFileName = BOOL(WINAPI*)(LPOPENFILENAMEW);
TGetSaveFileName GetSaveFileNameFunction() {
  static const TGetSaveFileName function = []() -> TGetSaveFileName {
    const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    if (!library) return nullptr;
    return reinterpret_cast<TGetSaveFileName>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetSaveFileNameW")));
  }();
  return function;
}

template <std::wstring TSaveDialog::*Field>
void WideField(TPropertyBuilder<TSaveDialog>& p, const char* name) {
  p.WideString(
      name, [](const TSaveDialog& d) { return ToUtf16(d.*Field); },
      [](TSaveDialog& d, const std::u16string& v) { d.*Field = ToWide(v); });
}

}  // namespace

void TSaveDialog::DeclareProperties(TPropertyBuilder<TSaveDialog>& p) {
  WideField<&TSaveDialog::DefaultExt>(p, "DefaultExt");
  WideField<&TSaveDialog::FileName>(p, "FileName");
  WideField<&TSaveDialog::Filter>(p, "Filter");
  p.Integer("FilterIndex", &TSaveDialog::FilterIndex).Default(1);
  WideField<&TSaveDialog::InitialDir>(p, "InitialDir");
  p.Set("Options", OpenOptionInfo(), &TSaveDialog::Options)
      .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
  WideField<&TSaveDialog::Title>(p, "Title");
}

std::wstring TSaveDialog::PlatformFilter(const std::wstring& filter) {
  std::wstring out = filter;
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

bool TSaveDialog::Execute() {
  // Room for a long path; the platform truncates rather than overruns.
  std::vector<wchar_t> file(32768, L'\0');
  const std::size_t copied = std::min(FileName.size(), file.size() - 1);
  std::copy(FileName.begin(), FileName.begin() + static_cast<std::ptrdiff_t>(copied), file.begin());
  const std::wstring filter = PlatformFilter(Filter);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  TCustomForm* active = Screen->ActiveForm();
  if (!active && Application) active = Application->MainForm();
  ofn.hwndOwner = active && active->HandleAllocated() ? active->Handle() : nullptr;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (Options.Contains(ofOverwritePrompt)) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (Options.Contains(ofHideReadOnly)) ofn.Flags |= OFN_HIDEREADONLY;
  if (Options.Contains(ofNoChangeDir)) ofn.Flags |= OFN_NOCHANGEDIR;
  if (Options.Contains(ofPathMustExist)) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (Options.Contains(ofFileMustExist)) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (Options.Contains(ofCreatePrompt)) ofn.Flags |= OFN_CREATEPROMPT;
  if (Options.Contains(ofNoReadOnlyReturn)) ofn.Flags |= OFN_NOREADONLYRETURN;
  if (Options.Contains(ofEnableSizing)) ofn.Flags |= OFN_ENABLESIZING;

  const TGetSaveFileName getSaveFileName = GetSaveFileNameFunction();
  if (!getSaveFileName) RaiseLastOSError();
  const bool confirmed = getSaveFileName(&ofn) != FALSE;
  if (confirmed) {
    file.back() = L'\0';
    FileName = file.data();
    FilterIndex = static_cast<std::int32_t>(ofn.nFilterIndex);
  }
  return confirmed;
}
