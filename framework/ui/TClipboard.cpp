#include "framework/ui/TClipboard.h"

#include <windows.h>

#include <cstring>

#include "framework/ui/TApplication.h"
#include "framework/ui/UiErrors.h"

// Opens the clipboard for the scope. Another program may hold it for a moment: retry briefly.
class TClipboard::Session {
 public:
  Session() {
    const HWND owner = Application ? Application->Handle() : nullptr;
    for (int attempt = 0; attempt < 10; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(10);
    }
    throw EClipboardException(UiMessages::SCannotOpenClipboard);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session() { CloseClipboard(); }
};

namespace {

// Global memory owned until the clipboard takes it.
HGLOBAL CopyToGlobal(const void* data, std::size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) throw EOutOfResources(UiMessages::SOutOfResources);
  void* target = GlobalLock(memory);
  std::memcpy(target, data, bytes);
  GlobalUnlock(memory);
  return memory;
}

void Put(UINT format, const void* data, std::size_t bytes) {
  HGLOBAL memory = CopyToGlobal(data, bytes);
  if (!SetClipboardData(format, memory)) GlobalFree(memory);
}

std::string WideToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

// The text of a clipboard block, bounded by the block's real size (a block without its
// terminator is not read past its end).
template <class Char>
std::basic_string<Char> ReadBlock(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (!data) return {};
  const SIZE_T bytes = GlobalSize(data);
  const auto* chars = static_cast<const Char*>(GlobalLock(data));
  if (!chars) return {};
  const std::size_t limit = bytes / sizeof(Char);
  std::size_t length = 0;
  while (length < limit && chars[length] != 0) ++length;
  std::basic_string<Char> text(chars, length);
  GlobalUnlock(data);
  return text;
}

}  // namespace

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

std::wstring TClipboard::AsText() {
  Session session;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) return ReadBlock<wchar_t>(CF_UNICODETEXT);
  if (IsClipboardFormatAvailable(CF_TEXT)) return AnsiToWide(ReadBlock<char>(CF_TEXT));
  return {};
}

void TClipboard::SetAsText(const std::wstring& text) {
  Session session;
  EmptyClipboard();
  Put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  const std::string ansi = WideToAnsi(text);
  Put(CF_TEXT, ansi.c_str(), ansi.size() + 1);
}

std::string TClipboard::AsAnsiText() {
  Session session;
  if (IsClipboardFormatAvailable(CF_TEXT)) return ReadBlock<char>(CF_TEXT);
  if (IsClipboardFormatAvailable(CF_UNICODETEXT))
    return WideToAnsi(ReadBlock<wchar_t>(CF_UNICODETEXT));
  return {};
}

void TClipboard::SetAsAnsiText(const std::string& text) {
  Session session;
  EmptyClipboard();
  Put(CF_TEXT, text.c_str(), text.size() + 1);
  const std::wstring wide = AnsiToWide(text);
  Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

bool TClipboard::HasText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

void TClipboard::Clear() {
  Session session;
  EmptyClipboard();
}
