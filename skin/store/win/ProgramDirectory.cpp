#include <windows.h>

#include <string>

#include "framework/core/UnicodeText.h"

std::string RunningProgramDirectory();

std::string RunningProgramDirectory() {
  // Long paths do occur; grow until the name fits.
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()),
                                       static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? std::string()
                                       : UnicodeText::ToUtf8(path.substr(0, slash + 1));
}
