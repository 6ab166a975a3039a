#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between the UTF-8 that the host and files speak and the UTF-16 that the
// controls hold.
namespace UnicodeText {

// The code point that starts at text[pos], advancing pos past it. An unpaired surrogate yields
// U+FFFD, so malformed wide text never produces a code point that no encoding can carry.
char32_t NextCodePoint(std::u16string_view text, std::size_t& pos);

void AppendUtf16(std::u16string& out, char32_t codePoint);
void AppendUtf8(std::string& out, char32_t codePoint);

std::string ToUtf8(std::u16string_view text);
// Nothing when the bytes are not well-formed UTF-8 (overlong forms, surrogates and code points
// above U+10FFFF included).
std::optional<std::u16string> FromUtf8(std::string_view bytes);

}  // namespace UnicodeText
