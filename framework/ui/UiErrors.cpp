#include "framework/ui/UiErrors.h"

#include <windows.h>

#include "framework/core/UnicodeText.h"

void RaiseLastOSError() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message;
  if (text) {
    message.assign(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
  }
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r'))
    message.pop_back();
  throw EWin32Error("System Error.  Code: " + std::to_string(code) + ".\n" +
                    UnicodeText::ToUtf8(message));
}
