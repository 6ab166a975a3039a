#include "framework/ui/WideText.h"

#include "framework/core/UnicodeText.h"

std::wstring WideFromUtf8(const std::string& text) {
  std::u16string out;
  if (auto converted = UnicodeText::FromUtf8(text)) return ToWide(*converted);
  // Not well-formed: keep the ASCII and mark the rest.
  for (unsigned char c : text) out.push_back(c < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD');
  return ToWide(out);
}
