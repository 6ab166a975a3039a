#pragma once

// The platform's wide strings and the core's UTF-16 strings hold the same code units on Windows.

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16 on this platform");

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::u16string ToUtf16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}
// Text from UTF-8 (names, messages); malformed bytes become U+FFFD.
std::wstring WideFromUtf8(const std::string& text);
