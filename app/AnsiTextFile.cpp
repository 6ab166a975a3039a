#include "app/AnsiTextFile.h"

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/TStrings.h"
#include "framework/core/UnicodeText.h"

std::vector<std::uint8_t> AnsiTextFileBytes(const TStrings& lines, const TAnsiCodePage& codePage) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t i = 0; i < lines.Count(); ++i) {
    const std::u16string line = lines[i];
    for (std::size_t pos = 0; pos < line.size();) {
      const char32_t codePoint = UnicodeText::NextCodePoint(line, pos);
      const auto encoded = codePage.Encode(codePoint);
      if (encoded) {
        bytes.insert(bytes.end(), encoded->begin(), encoded->end());
      } else {
        bytes.push_back('?');
      }
    }
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  return bytes;
}
