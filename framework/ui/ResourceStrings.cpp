#include "framework/ui/ResourceStrings.h"

std::wstring LoadResString(UINT id, HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleW(nullptr);
  // With no buffer the platform hands out the string in place; its length is the result.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0 || !text) return {};
  return std::wstring(text, static_cast<std::size_t>(length));
}
